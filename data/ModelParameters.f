# Orvane standard surface fuel models
# The 13 original fire behaviour fuel models (1-13) and the 40 of the 2005 set (101-204).
# Columns: number code load1Hr load10Hr load100Hr loadLiveHerb loadLiveWoody type
#          sav1Hr savLiveHerb savLiveWoody depth deadFuelMx deadHeat liveHeat name
# Units: loads tons/acre; surface-area-to-volume ratios 1/ft; depth ft;
#        moisture of extinction percent; heat contents BTU/lb.
# The program verifies the checksum of this file at every start: do not edit it.
ENGLISH
1 FM1 0.74 0 0 0 0 static 3500 0 0 1.0 12 8000 8000 Short grass (1 ft)
2 FM2 2.00 1.00 0.50 0.50 0 static 3000 1500 0 1.0 15 8000 8000 Timber (grass and understory)
3 FM3 3.01 0 0 0 0 static 1500 0 0 2.5 25 8000 8000 Tall grass (2.5 ft)
4 FM4 5.01 4.01 2.00 0 5.01 static 2000 0 1500 6.0 20 8000 8000 Chaparral (6 ft)
5 FM5 1.00 0.50 0 0 2.00 static 2000 0 1500 2.0 20 8000 8000 Brush (2 ft)
6 FM6 1.50 2.50 2.00 0 0 static 1750 0 0 2.5 25 8000 8000 Dormant brush, hardwood slash
7 FM7 1.13 1.87 1.50 0 0.37 static 1750 0 1550 2.5 40 8000 8000 Southern rough
8 FM8 1.50 1.00 2.50 0 0 static 2000 0 0 0.2 30 8000 8000 Closed timber litter
9 FM9 2.92 0.41 0.15 0 0 static 2500 0 0 0.2 25 8000 8000 Hardwood litter
10 FM10 3.01 2.00 5.01 0 2.00 static 2000 0 1500 1.0 25 8000 8000 Timber (litter and understory)
11 FM11 1.50 4.51 5.51 0 0 static 1500 0 0 1.0 15 8000 8000 Light logging slash
12 FM12 4.01 14.03 16.53 0 0 static 1500 0 0 2.3 20 8000 8000 Medium logging slash
13 FM13 7.01 23.04 28.05 0 0 static 1500 0 0 3.0 25 8000 8000 Heavy logging slash
101 GR1 0.10 0 0 0.30 0 dynamic 2200 2000 0 0.4 15 8000 8000 Short, sparse dry climate grass
102 GR2 0.10 0 0 1.00 0 dynamic 2000 1800 0 1.0 15 8000 8000 Low load, dry climate grass
103 GR3 0.10 0.40 0 1.50 0 dynamic 1500 1300 0 2.0 30 8000 8000 Low load, very coarse, humid climate grass
104 GR4 0.25 0 0 1.90 0 dynamic 2000 1800 0 2.0 15 8000 8000 Moderate load, dry climate grass
105 GR5 0.40 0 0 2.50 0 dynamic 1800 1600 0 1.5 40 8000 8000 Low load, humid climate grass
106 GR6 0.10 0 0 3.40 0 dynamic 2200 2000 0 1.5 40 9000 9000 Moderate load, humid climate grass
107 GR7 1.00 0 0 5.40 0 dynamic 2000 1800 0 3.0 15 8000 8000 High load, dry climate grass
108 GR8 0.50 1.00 0 7.30 0 dynamic 1500 1300 0 4.0 30 8000 8000 High load, very coarse, humid climate grass
109 GR9 1.00 1.00 0 9.00 0 dynamic 1800 1600 0 5.0 40 8000 8000 Very high load, humid climate grass
121 GS1 0.20 0 0 0.50 0.65 dynamic 2000 1800 1800 0.9 15 8000 8000 Low load, dry climate grass-shrub
122 GS2 0.50 0.50 0 0.60 1.00 dynamic 2000 1800 1800 1.5 15 8000 8000 Moderate load, dry climate grass-shrub
123 GS3 0.30 0.25 0 1.45 1.25 dynamic 1800 1600 1600 1.8 40 8000 8000 Moderate load, humid climate grass-shrub
124 GS4 1.90 0.30 0.10 3.40 7.10 dynamic 1800 1600 1600 2.1 40 8000 8000 High load, humid climate grass-shrub
141 SH1 0.25 0.25 0 0.15 1.30 dynamic 2000 1800 1600 1.0 15 8000 8000 Low load dry climate shrub
142 SH2 1.35 2.40 0.75 0 3.85 static 2000 0 1600 1.0 15 8000 8000 Moderate load dry climate shrub
143 SH3 0.45 3.00 0 0 6.20 static 1600 0 1400 2.4 40 8000 8000 Moderate load, humid climate shrub
144 SH4 0.85 1.15 0.20 0 2.55 static 2000 1800 1600 3.0 30 8000 8000 Low load, humid climate timber-shrub
145 SH5 3.60 2.10 0 0 2.90 static 750 0 1600 6.0 15 8000 8000 High load, dry climate shrub
146 SH6 2.90 1.45 0 0 1.40 static 750 0 1600 2.0 30 8000 8000 Low load, humid climate shrub
147 SH7 3.50 5.30 2.20 0 3.40 static 750 0 1600 6.0 15 8000 8000 Very high load, dry climate shrub
148 SH8 2.05 3.40 0.85 0 4.35 static 750 0 1600 3.0 40 8000 8000 High load, humid climate shrub
149 SH9 4.50 2.45 0 1.55 7.00 dynamic 750 1800 1500 4.4 40 8000 8000 Very high load, humid climate shrub
161 TU1 0.20 0.90 1.50 0.20 0.90 dynamic 2000 1800 1600 0.6 20 8000 8000 Low load dry climate timber-grass-shrub
162 TU2 0.95 1.80 1.25 0 0.20 static 2000 0 1600 1.0 30 8000 8000 Moderate load, humid climate timber-shrub
163 TU3 1.10 0.15 0.25 0.65 1.10 dynamic 1800 1600 1400 1.3 30 8000 8000 Moderate load, humid climate timber-grass-shrub
164 TU4 4.50 0 0 0 2.00 static 2300 0 2000 0.5 12 8000 8000 Dwarf conifer with understory
165 TU5 4.00 4.00 3.00 0 3.00 static 1500 0 750 1.0 25 8000 8000 Very high load, dry climate timber-shrub
181 TL1 1.00 2.20 3.60 0 0 static 2000 0 0 0.2 30 8000 8000 Low load compact conifer litter
182 TL2 1.40 2.30 2.20 0 0 static 2000 0 0 0.2 25 8000 8000 Low load broadleaf litter
183 TL3 0.50 2.20 2.80 0 0 static 2000 0 0 0.3 20 8000 8000 Moderate load conifer litter
184 TL4 0.50 1.50 4.20 0 0 static 2000 0 0 0.4 25 8000 8000 Small downed logs
185 TL5 1.15 2.50 4.40 0 0 static 2000 0 1600 0.6 25 8000 8000 High load conifer litter
186 TL6 2.40 1.20 1.20 0 0 static 2000 0 0 0.3 25 8000 8000 Moderate load broadleaf litter
187 TL7 0.30 1.40 8.10 0 0 static 2000 0 0 0.4 25 8000 8000 Large downed logs
188 TL8 5.80 1.40 1.10 0 0 static 1800 0 0 0.3 35 8000 8000 Long-needle litter
189 TL9 6.65 3.30 4.15 0 0 static 1800 0 1600 0.6 35 8000 8000 Very high load broadleaf litter
201 SB1 1.50 3.00 11.00 0 0 static 2000 0 0 1.0 25 8000 8000 Low load activity fuel
202 SB2 4.50 4.25 4.00 0 0 static 2000 0 0 1.0 25 8000 8000 Moderate load activity fuel or low load blowdown
203 SB3 5.50 2.75 3.00 0 0 static 2000 0 0 1.2 25 8000 8000 High load activity fuel or moderate load blowdown
204 SB4 5.25 3.50 5.25 0 0 static 2000 0 0 2.7 25 8000 8000 High load blowdown
