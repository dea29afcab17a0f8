Sharks 14 @ Bulls 13

--------------------------------------
         1st   2nd   3rd   4th   Final
Sharks     7     0     0     7      14
Bulls      0     0     6     7      13
--------------------------------------

First Quarter
-------------
Sharks--(0:29)--#83 Finn 20 yard TD PASS from #10 Pope
Sharks--(0:35)--#2 Kidd EXTRA POINT

Second Quarter
--------------
No Scoring

Third Quarter
-------------
Bulls--(0:09)--#86 Epps 30 yard TD PASS from #16 Gant
Bulls--(0:16)--#5 Mohr EXTRA POINT FAILED

Fourth Quarter
--------------
Bulls--(0:31)--#38 Lind 40 yard RECOVERY RETURN TD
Bulls--(0:40)--#5 Mohr EXTRA POINT
Sharks--(13:50)--#83 Finn 76 yard TD PASS from #10 Pope
Sharks--(13:59)--#2 Kidd EXTRA POINT

                            Sharks        Bulls

Rushing Yards                   27            5
Rushing Plays                    3            2
Yards Per Rush                 9.0          2.5
Passing Yards                   89           42
Passing Plays                    5            3
Yards Per Pass                17.8         14.0
Passes (Comp/Atts)             3/4          2/3
Completion Percentage         0.75         0.67
Sacked                           1            0
Intercepted                      0            1
Fumbles (No/Lost)              3/2          1/1
First Downs                      2            1
3rd Down Efficiency           0.00         0.00
Punts                            1            0
Yards Per Punt                41.0          0.0
Net Yards                      116           47

Yards Per Punt Return          0.0          0.0
Yards Per Kick Return          9.5         21.7
Yards Per Turnover            58.0         23.5
Touchdowns                       2            2
Extra Points                     2            1
Field Goals (No/Atts)          0/0          0/0
Yards Per Field Goal           0.0          0.0
Safeties                         0            0
Penalties (No/Yards)           0/0          0/0
Total Plays                      8            5
Total Time                   29:12        30:48

Total Yards                    154          152

---Passing Stats------------------------------------------------------------
Player Name          ATT COM YDS   PCT TD IN LG 1ST  1ST% BIG SAC YDL   RATE
----------------------------------------------------------------------------
#16-Gant [QB-Bulls]    3   2  42 66.67  1  1 30   1 33.33   1   0   0 109.72
#10-Pope [QB-Shark]    4   3  96 75.00  2  0 76   0  0.00   1   1   7 156.25

---Rushing Stats-------------------------------------------------------
Player Name          ATT YDS   AVG TD LG 1ST   1ST% STF YDL BIG FUM LST
-----------------------------------------------------------------------
#35-Hurd [RB-Bulls]    2   3  1.50  0  3   0   0.00   0   0   0   1   1
#27-Vick [RB-Shark]    1  16 16.00  0 16   1 100.00   0   0   1   0   0
#32-Lamb [RB-Shark]    2   5  2.50  0  5   0   0.00   0   0   0   1   0

---Receiving Stats------------------------------------------------
Player Name          REC YDS   AVG TD LG 1ST  1ST% BIG DRP FUM LST
------------------------------------------------------------------
#86-Epps [WR-Bulls]    2  42 21.00  1 30   1 50.00   1   0   1   0
#83-Finn [WR-Shark]    3  96 32.00  2 76   0  0.00   1   1   1   1

---Extra Point Stats---------------
Player Name         ATT MADE    PCT
-----------------------------------
#5-Mohr [KK-Bulls]    2    1  50.00
#2-Kidd [KK-Shark]    2    2 100.00

---Punting Stats-------------------------
Player Name         PUNTS IN20 TB BLK RET
-----------------------------------------
#2-Kidd [KK-Shark]      1    1  0   0   0

---Punt Return Stats------------------------------
Player Name          RET YDS  AVG TD LG FC FUM LST
--------------------------------------------------
#29-Cain [DB-Bulls]    0   0 0.00  0  0  1   0   0

---Kick Return Stats----------------------------
Player Name          RET YDS   AVG TD LG FUM LST
------------------------------------------------
#29-Cain [DB-Bulls]    3  65 21.67  0 25   0   0
#20-Rios [DB-Shark]    2  19  9.50  0 19   1   1

---Special Teams Stats-----------
Player Name          TK YDS   AVG
---------------------------------
#44-Boyd [RB-Bulls]   1  19 19.00
#48-Dale [RB-Shark]   3  65 21.67

---Defensive Stats------------------------------------------------------
Player Name          TK YDS   AVG SAC SKYDS STF YDL TOTYL PD PTBLK FGBLK
------------------------------------------------------------------------
#58-Teal [LB-Bulls]   2  21 10.50   0     0   0   0     0  0     0     0
#38-Lind [DB-Bulls]   1   6  6.00   0     0   0   0     0  0     0     0
#91-Ruff [DL-Bulls]   0   0  0.00   1     7   0   0     7  0     0     0
#94-Roe [DL-Shark]    1   3  3.00   0     0   0   0     0  0     0     0

---Interception Stats-----------------
Player Name          IN YDS TD FUM LST
--------------------------------------
#23-Sims [DB-Shark]   1  15  0   0   0

---Recovery Stats----------------------------
Player Name          RCV YDS   AVG TD FUM LST
---------------------------------------------
#38-Lind [DB-Bulls]    1  40 40.00  1   0   0
#44-Boyd [RB-Bulls]    1   0  0.00  0   0   0
#27-Vick [RB-Shark]    1   6  6.00  0   0   0
#56-Ware [LB-Shark]    1   4  4.00  0   0   0

