#!/usr/bin/env python3
"""Writes the four team files of the golden season from the rosters below.

A team file is 45 entries of 58 bytes with big-endian numbers; the thirty
players go into entries 1-25, 31, 35, 36, 39 and 42. Each roster lists the
players the transcripts name, then reserves that fill it to thirty.
Run it from this folder after changing a roster: python3 rosters.py
"""
import struct

USED = list(range(1, 26)) + [31, 35, 36, 39, 42]
OFFENSE, DEFENSE = 0, 1

# (number, name, position code, side)
ROSTERS = {
    "Owls": [
        (12, "Ash", 9, OFFENSE), (22, "Birch", 6, OFFENSE), (34, "Cole", 7, OFFENSE),
        (81, "Drake", 5, OFFENSE), (88, "Ellis", 4, OFFENSE), (3, "Finch", 8, OFFENSE),
        (9, "Gale", 8, OFFENSE), (66, "Moss", 2, OFFENSE),
        (54, "Hart", 4, DEFENSE), (91, "Irons", 3, DEFENSE), (24, "Jay", 5, DEFENSE),
        (31, "Kemp", 6, DEFENSE), (27, "Lark", 7, DEFENSE),
    ],
    "Bears": [
        (7, "Brown", 9, OFFENSE), (28, "Bass", 6, OFFENSE), (83, "Bell", 5, OFFENSE),
        (5, "Bloom", 8, OFFENSE),
        (50, "Bram", 4, DEFENSE), (95, "Burke", 3, DEFENSE), (21, "Bix", 5, DEFENSE),
        (56, "Byrd", 4, DEFENSE),
    ],
    "Rams": [
        (11, "Reed", 9, OFFENSE), (26, "Rhee", 6, OFFENSE), (84, "Rios", 5, OFFENSE),
        (2, "Ruiz", 8, OFFENSE),
        (55, "Rook", 4, DEFENSE), (99, "Ryle", 3, DEFENSE), (20, "Rowe", 5, DEFENSE),
        (53, "Rusk", 4, DEFENSE),
    ],
    "Thunderbirds": [
        (10, "Tate", 9, OFFENSE), (33, "Toms", 6, OFFENSE), (80, "Trent", 5, OFFENSE),
        (4, "Tull", 8, OFFENSE), (6, "Tyne", 8, OFFENSE),
        (52, "Thorn", 4, DEFENSE), (97, "Tighe", 2, DEFENSE), (23, "Todd", 5, DEFENSE),
        (58, "Tuck", 4, DEFENSE),
    ],
}


def entry(number, name, position, side):
    raw = name.encode("ascii")
    field = bytes([len(raw)]) + raw + bytes(31 - len(raw))
    return (struct.pack(">hh", 0, side) + field +
            struct.pack(">hhh", 0, position, number) + bytes(16))


def reserves(team, taken):
    """Reserve players with numbers the roster has not used."""
    number = 60
    while True:
        while number in taken:
            number += 1
        yield (number, "Reserve%s%d" % (team[0], number), 10, OFFENSE)
        number += 1


for team, players in ROSTERS.items():
    spare = reserves(team, {p[0] for p in players})
    players = players + [next(spare) for _ in range(30 - len(players))]
    entries = [bytes(58)] * 45
    for index, player in zip(USED, players):
        entries[index] = entry(*player)
    with open(team + ".fbt", "wb") as out:
        out.write(b"".join(entries))
