Rams 15 @ Colts 8

-------------------------------------
        1st   2nd   3rd   4th   Final
Rams      8     0     7     0      15
Colts     0     8     0     0       8
-------------------------------------

First Quarter
-------------
Rams--(2:12)--#25 Ross 50 yard TD RUN
Rams--(2:20)--#25 Ross TWO POINT RUSH

Second Quarter
--------------
Colts--(1:02)--#88 Lowe 73 yard TD PASS from #9 Baker
Colts--(1:13)--#9 Baker TWO POINT PASS FAILED
Colts--(14:51)--Safety

Third Quarter
-------------
Rams--(1:13)--#80 Kemp 51 yard TD PASS from #14 Vance
Rams--(1:25)--#3 Nye EXTRA POINT

Fourth Quarter
--------------
No Scoring

                              Rams        Colts

Rushing Yards                   56           -1
Rushing Plays                    4            2
Yards Per Rush                14.0         -0.5
Passing Yards                   90           82
Passing Plays                    3            3
Yards Per Pass                30.0         27.3
Passes (Comp/Atts)             3/3          2/3
Completion Percentage         1.00         0.67
Sacked                           0            0
Intercepted                      0            0
Fumbles (No/Lost)              0/0          0/0
First Downs                      2            1
3rd Down Efficiency           0.00         0.00
Punts                            0            2
Yards Per Punt                 0.0         52.0
Net Yards                      146           81

Yards Per Punt Return          8.0          0.0
Yards Per Kick Return          5.0         20.7
Yards Per Turnover             0.0          0.0
Touchdowns                       2            1
Extra Points                     1            0
Field Goals (No/Atts)          0/0          0/0
Yards Per Field Goal           0.0          0.0
Safeties                         0            1
Penalties (No/Yards)           1/5          0/0
Total Plays                      7            5
Total Time                   27:40        32:20

Total Yards                    159          143

---Passing Stats--------------------------------------------------------------
Player Name           ATT COM YDS    PCT TD IN LG 1ST  1ST% BIG SAC YDL   RATE
------------------------------------------------------------------------------
#9-Baker [QB-Colts]     3   2  82  66.67  1  0 73   0  0.00   1   0   0 149.31
#14-Vance [QB-Rams ]    3   3  90 100.00  1  0 51   2 66.67   2   0   0 158.33

---Rushing Stats-----------------------------------------------------
Player Name          ATT YDS   AVG TD LG 1ST 1ST% STF YDL BIG FUM LST
---------------------------------------------------------------------
#30-Tate [RB-Colts]    2  -1 -0.50  0  2   0 0.00   1   3   0   0   0
#25-Ross [RB-Rams ]    4  56 14.00  1 50   0 0.00   1   5   1   0   0

---Receiving Stats------------------------------------------------
Player Name          REC YDS   AVG TD LG 1ST  1ST% BIG DRP FUM LST
------------------------------------------------------------------
#88-Lowe [WR-Colts]    2  82 41.00  1 73   0  0.00   1   0   0   0
#80-Kemp [WR-Rams ]    3  90 30.00  1 51   2 66.67   2   0   0   0

---Extra Point Stats--------------
Player Name        ATT MADE    PCT
----------------------------------
#3-Nye [KK-Rams ]    1    1 100.00

---2 Point Conversion Stats--------------------------------------------
                      PASSING    RUSHING   RECEIVING        TOTAL
Player Name          ATT  MADE  ATT  MADE  ATT  MADE  ATT  MADE     PCT
-----------------------------------------------------------------------
#9-Baker [QB-Colts]    1     0    0     0    0     0    1     0    0.00
#25-Ross [RB-Rams ]    0     0    1     1    0     0    1     1  100.00

---Punting Stats-------------------------
Player Name         PUNTS IN20 TB BLK RET
-----------------------------------------
#6-Ruiz [KK-Colts]      2    1  0   0   1

---Punt Return Stats------------------------------
Player Name          RET YDS  AVG TD LG FC FUM LST
--------------------------------------------------
#22-Cobb [DB-Rams ]    1   8 8.00  0  8  0   0   0

---Kick Return Stats----------------------------
Player Name          RET YDS   AVG TD LG FUM LST
------------------------------------------------
#21-Hill [DB-Colts]    3  62 20.67  0 30   0   0
#22-Cobb [DB-Rams ]    1   5  5.00  0  5   0   0

---Special Teams Stats------------
Player Name           TK YDS   AVG
----------------------------------
#50-Moon [OL-Colts]    2  13  6.50
#59-Ortiz [OL-Rams ]   3  62 20.67

---Defensive Stats-------------------------------------------------------
Player Name           TK YDS   AVG SAC SKYDS STF YDL TOTYL PD PTBLK FGBLK
-------------------------------------------------------------------------
#54-Knox [LB-Colts]    2  11  5.50   0     0   0   0     0  0     0     0
#31-Wolfe [DB-Colts]   2  39 19.50   0     0   0   0     0  0     0     0
#97-Hale [DL-Colts]    1  -5 -5.00   0     0   1   5     5  0     0     0
#26-Diaz [DB-Rams ]    2  11  5.50   0     0   0   0     0  0     0     0
#75-Gray [DL-Rams ]    1  -3 -3.00   0     0   1   3     3  0     0     0

---Penalty Stats---------------------------
Player Name          FLAGGED ACCEPTED YARDS
-------------------------------------------
#70-Penn [OL-Colts]        1        0     0
#92-Shaw [DL-Rams ]        1        1     5

