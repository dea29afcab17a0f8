Hawks 13 @ Owls 10

-------------------------------------------
        1st   2nd   3rd   4th    OT   Final
Hawks     0     3     7     0     3      13
Owls      7     0     0     3     0      10
-------------------------------------------

First Quarter
-------------
Owls--(0:40)--#84 Ward 50 yard TD PASS from #12 Cole
Owls--(0:52)--#3 Lane EXTRA POINT

Second Quarter
--------------
Hawks--(14:25)--#4 Vale 51 yard FIELD GOAL

Third Quarter
-------------
Hawks--(0:08)--#28 Moss 74 yard TD RUN
Hawks--(0:22)--#4 Vale EXTRA POINT

Fourth Quarter
--------------
Owls--(14:57)--#3 Lane 50 yard FIELD GOAL

Overtime
--------
Hawks--(1:58)--#4 Vale 46 yard FIELD GOAL

                             Hawks         Owls

Rushing Yards                  100            0
Rushing Plays                    4            0
Yards Per Rush                25.0          0.0
Passing Yards                   61          118
Passing Plays                    5            5
Yards Per Pass                12.2         23.6
Passes (Comp/Atts)             3/4          4/5
Completion Percentage         0.75         0.80
Sacked                           1            0
Intercepted                      0            0
Fumbles (No/Lost)              0/0          0/0
First Downs                      5            3
3rd Down Efficiency           0.00         0.00
Punts                            0            0
Yards Per Punt                 0.0          0.0
Net Yards                      161          118

Yards Per Punt Return          0.0          0.0
Yards Per Kick Return         23.0         21.0
Yards Per Turnover             0.0          0.0
Touchdowns                       1            1
Extra Points                     1            1
Field Goals (No/Atts)          2/2          1/1
Yards Per Field Goal          48.5         50.0
Safeties                         0            0
Penalties (No/Yards)           0/0          0/0
Total Plays                      9            5
Total Time                   35:08        26:54

Total Yards                    207          160

---Passing Stats------------------------------------------------------------
Player Name          ATT COM YDS   PCT TD IN LG 1ST  1ST% BIG SAC YDL   RATE
----------------------------------------------------------------------------
#7-Reed [QB-Hawks]     4   3  69 75.00  0  0 31   3 75.00   1   1   8 116.67
#12-Cole [QB-Owls ]    5   4 118 80.00  1  0 50   3 60.00   2   0   0 158.33

---Rushing Stats------------------------------------------------------
Player Name          ATT YDS   AVG TD LG 1ST  1ST% STF YDL BIG FUM LST
----------------------------------------------------------------------
#28-Moss [RB-Hawks]    4 100 25.00  1 74   2 50.00   0   0   3   0   0

---Receiving Stats-------------------------------------------------
Player Name          REC YDS   AVG TD LG 1ST   1ST% BIG DRP FUM LST
-------------------------------------------------------------------
#81-Hart [WR-Hawks]    2  49 24.50  0 31   2 100.00   1   0   0   0
#28-Moss [RB-Hawks]    1  20 20.00  0 20   1 100.00   0   0   0   0
#84-Ward [WR-Owls ]    4 118 29.50  1 50   3  75.00   2   0   0   0

---Field Goal Stats--------------------------------------------
Player Name         ATT MADE    PCT LG BLK 1-29 30-39 40-49 50+
---------------------------------------------------------------
#4-Vale [KK-Hawks]    2    2 100.00 51   0  0/0   0/0   1/1 1/1
#3-Lane [KK-Owls ]    1    1 100.00 50   0  0/0   0/0   0/0 1/1

---Extra Point Stats---------------
Player Name         ATT MADE    PCT
-----------------------------------
#4-Vale [KK-Hawks]    1    1 100.00
#3-Lane [KK-Owls ]    1    1 100.00

---Kick Return Stats----------------------------
Player Name          RET YDS   AVG TD LG FUM LST
------------------------------------------------
#24-Shaw [DB-Hawks]    2  46 23.00  0 25   0   0
#22-Dunn [DB-Owls ]    2  42 21.00  0 24   0   0

---Special Teams Stats------------
Player Name           TK YDS   AVG
----------------------------------
#90-Nash [WR-Hawks]    1  18 18.00
#54-Pratt [OL-Hawks]   1  24 24.00
#57-Lutz [OL-Owls ]    2  46 23.00

---Defensive Stats------------------------------------------------------
Player Name          TK YDS   AVG SAC SKYDS STF YDL TOTYL PD PTBLK FGBLK
------------------------------------------------------------------------
#31-Fox [DB-Hawks]    2  56 28.00   0     0   0   0     0  0     0     0
#24-Shaw [DB-Hawks]   1  12 12.00   0     0   0   0     0  0     0     0
#52-Cruz [LB-Owls ]   2  13  6.50   1     8   0   0     8  0     0     0
#33-Ames [DB-Owls ]   2  38 19.00   0     0   0   0     0  1     0     0
#95-Pike [DL-Owls ]   1  13 13.00   0     0   0   0     0  0     0     0
#41-Webb [DB-Owls ]   1  31 31.00   0     0   0   0     0  0     0     0

