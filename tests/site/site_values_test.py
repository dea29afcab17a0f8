#!/usr/bin/env python3
"""Checks the figures on a compiled league site against the CSV tables of the
same run, read with html.parser and csv.

Usage: site_values_test.py CLI SIM WORKDIR

A simulated season, and a small one whose team and player carry '<', '&' and
the byte 0xC9 in their names, are compiled with --csv and --site. For both:
players' season lines and game logs, team totals and records, line scores and
scoring tables equal the CSV tables. For the second, the names are escaped.
Exits 1 on any mismatch.
"""
import csv
import os
import re
import shutil
import subprocess
import sys
from collections import defaultdict
from html.parser import HTMLParser
from pathlib import Path

# Per section, the header words of the players' tables in order and the
# players.csv figure each shows: a column (after the section's prefix; "!"
# for a column named in full), "a/b" (shown as made/attempts), "a+b" (a sum)
# or "-" (no CSV column).
PLAYER_COLUMNS = {
    'Passing': ('passing_', 'ATT=attempts COM=completions YDS=yards PCT=completion_pct TD=touchdowns '
                'IN=interceptions LG=longest 1ST=first_downs 1ST%=first_down_pct BIG=big_plays '
                'SAC=sacks YDL=sack_yards RATE=!passer_rating'),
    'Rushing': ('rushing_', 'ATT=attempts YDS=yards AVG=average TD=touchdowns LG=longest '
                '1ST=first_downs 1ST%=first_down_pct STF=stuffs YDL=yards_lost BIG=big_plays '
                'FUM=fumbles LST=fumbles_lost'),
    'Receiving': ('receiving_', 'REC=receptions YDS=yards AVG=average TD=touchdowns LG=longest '
                  '1ST=first_downs 1ST%=first_down_pct BIG=big_plays DRP=drops FUM=fumbles '
                  'LST=fumbles_lost'),
    'Field Goal': ('fg_kicking_', 'ATT=attempts MADE=made PCT=pct LG=longest BLK=blocked '
                   '1-29=made1to29/attempts1to29 30-39=made30to39/attempts30to39 '
                   '40-49=made40to49/attempts40to49 50+=made50plus/attempts50plus'),
    'Extra Point': ('ep_kicking_', 'ATT=attempts MADE=made PCT=pct'),
    '2 Point Conversion': ('two_point_', 'ATT=pass_attempts MADE=pass_made ATT=rush_attempts '
                           'MADE=rush_made ATT=receiving_attempts MADE=receiving_made '
                           'ATT=pass_attempts+rush_attempts+receiving_attempts '
                           'MADE=pass_made+rush_made+receiving_made PCT=-'),
    'Kick Return': ('kick_return_', 'RET=returns YDS=yards AVG=average TD=touchdowns LG=longest '
                    'FUM=fumbles LST=fumbles_lost'),
    'Punt Return': ('punt_return_', 'RET=returns YDS=yards AVG=average TD=touchdowns LG=longest '
                    'FC=fair_catches FUM=fumbles LST=fumbles_lost'),
    'Punting': ('punting_', 'PUNTS=punts IN20=inside20 TB=touchbacks BLK=blocked RET=returned'),
    'Interception': ('interception_', 'IN=interceptions YDS=return_yards TD=touchdowns '
                     'FUM=fumbles LST=fumbles_lost'),
    'Defensive': ('defensive_', 'TK=tackles YDS=tackle_yards AVG=tackle_average SAC=sacks '
                  'SKYDS=sack_yards STF=stuffs YDL=stuff_yards TOTYL=sack_yards+stuff_yards '
                  'PD=passes_defensed PTBLK=punts_blocked FGBLK=field_goals_blocked'),
    'Special Teams': ('special_teams_', 'TK=tackles YDS=tackle_yards AVG=tackle_average'),
    'Misc Offensive': ('misc_off_', 'TK=tackles YDS=tackle_yards AVG=tackle_average'),
    'Recovery': ('recovery_', 'RCV=recoveries YDS=return_yards AVG=return_average '
                 'TD=touchdowns FUM=fumbles LST=fumbles_lost'),
    'Penalty': ('penalty_', 'FLAGGED=flagged ACCEPTED=accepted YARDS=yards'),
    'Scoring': ('', 'TDs=touchdowns RushTDs=rushing_touchdowns RecTDs=receiving_touchdowns '
                'FGs=fg_kicking_made/fg_kicking_attempts EPs=ep_kicking_made/ep_kicking_attempts '
                '2PT=two_point_conversions TOTAL=points'),
}


def prefixed(prefix, source):
    return source[1:] if source.startswith('!') else re.sub(r'\w+', lambda m: prefix + m[0], source)


PLAYER_COLUMNS = {section: [(w, prefixed(prefix, v)) for w, v in (p.split('=') for p in pairs.split())]
                  for section, (prefix, pairs) in PLAYER_COLUMNS.items()}
RATIOS = {'AVG', 'PCT', 'RATE', '1ST%'}  # not summed over a game log
# The team totals table's rows and their teams.csv figures; "-": no column.
TEAM_ROWS = {
    'Rushing Yards': 'rushing_yards', 'Rushing Plays': 'rushing_plays', 'Yards Per Rush': '-',
    'Passing Yards': 'passing_yards', 'Passing Plays': 'passing_plays', 'Yards Per Pass': '-',
    'Passes (Comp/Atts)': 'completions/attempts', 'Completion Percentage': '-',
    'Sacked': 'times_sacked', 'Intercepted': 'intercepted', 'Fumbles (No/Lost)': 'fumbles/fumbles_lost',
    'First Downs': 'first_downs', '3rd Down Efficiency': 'third_down_efficiency', 'Punts': 'punts',
    'Yards Per Punt': 'yards_per_punt', 'Net Yards': 'net_yards',
    'Yards Per Punt Return': 'yards_per_punt_return', 'Yards Per Kick Return': 'yards_per_kick_return',
    'Yards Per Turnover': 'yards_per_turnover', 'Touchdowns': 'touchdowns',
    'Extra Points': 'extra_points', 'Field Goals (No/Atts)': 'field_goals_made/field_goals_attempted',
    'Yards Per Field Goal': 'yards_per_field_goal', 'Safeties': 'safeties',
    'Penalties (No/Yards)': 'penalties/penalty_yards', 'Total Plays': 'total_plays',
    'Total Time': 'time_minutes:time_seconds', 'Total Yards': 'total_yards',
}
STANDINGS = {'G': 'games', 'W': 'wins', 'L': 'losses', 'T': 'ties', 'PF': 'points',
             'PA': 'opponents_points'}
failures = defaultdict(list)


def fail(kind, message):
    failures[kind].append(message)


def expected(source, row):
    """The text a page shows for a CSV figure, or None when it has none."""
    if source.endswith('-'):
        return None
    if '+' in source:
        return str(sum(int(row[c] or 0) for c in source.split('+')))
    if ':' in source:
        minutes, seconds = source.split(':')
        return f'{row[minutes]}:{int(row[seconds]):02d}'
    return '/'.join(row[c] for c in source.split('/'))


class Page(HTMLParser):
    """A page's tables (caption, header words, rows of (text, href) cells),
    its h1 and sub-heading texts, and the tags it holds."""

    def __init__(self, path):
        super().__init__()
        self.tables, self.tags, self.h1, self.sub = [], set(), None, None
        self._part = self._row = self._cell = self._text = None
        self.feed(path.read_text(encoding='utf-8'))
        self.named = {t['caption']: t for t in self.tables}

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.tags.add(tag)
        if tag == 'table':
            self.tables.append({'caption': '', 'head': [], 'thead': [], 'tbody': [], 'tfoot': []})
        elif tag in ('thead', 'tbody', 'tfoot'):
            self._part = tag
        elif tag == 'tr':
            self._row = []
        elif tag in ('td', 'th', 'caption', 'h1') or (tag == 'p' and attrs.get('class') == 'sub'):
            self._cell, self._text = [None, tag], ''
        elif tag == 'a' and self._cell:
            self._cell[0] = attrs.get('href')

    def handle_endtag(self, tag):
        if tag == 'tr' and self._row is not None:
            self.tables[-1][self._part].append(self._row)
            self._row = None
        if self._cell is None or tag != self._cell[1]:
            return
        text, href = self._text.strip(), self._cell[0]
        if tag == 'caption':
            self.tables[-1]['caption'] = text
        elif tag == 'h1':
            self.h1 = text
        elif tag == 'p':
            self.sub = (text, href)
        else:
            self._row.append((text, href))
            if self._part == 'thead':
                self.tables[-1]['head'].append(text)
        self._cell = None

    def handle_data(self, data):
        if self._cell is not None:
            self._text += data


def compile_season(cli, season, out):
    (out / 'csv').mkdir(parents=True)
    run = subprocess.run([cli, '-m', 'league', '--csv', out / 'csv', '--site', out / 'site',
                          '-t', season / 'teams', '-o', out / 'L', season / 'games'],
                         capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f'{cli} failed on {season}: {run.returncode}\n{run.stdout}{run.stderr}')
    if ' 0 lines not understood' not in run.stderr:
        log = (out / 'ErrorLog').read_bytes().decode('mac_roman').splitlines()
        fail('compile', f'{season.name}: {run.stderr.strip()}; ' + ' | '.join(log[:3]))
    tables = {n: list(csv.DictReader(open(out / 'csv' / f'{n}.csv', encoding='utf-8', newline='')))
              for n in ('players', 'teams', 'games', 'scoring')}
    return out / 'site', tables


def check_players(site, tables, game_ids):
    """Season lines equal players.csv; game logs add up to them."""
    rows = {(r['team'], r['number'], r['name']): r for r in tables['players']}
    games = {g['game']: g for g in tables['games']}
    seen = set()
    for path in sorted((site / 'players').glob('*.html')):
        page = Page(path)
        number, team = page.sub[0].split(' · ')[0].lstrip('#'), page.sub[0].split(' · ')[-1]
        key, where = (team, number, page.h1), f'{path.name} ({team} #{number} {page.h1})'
        if key not in rows:
            fail('player page', f'{where}: no row in players.csv')
            continue
        seen.add(key)
        for section, columns in PLAYER_COLUMNS.items():
            table = page.named.get(section)
            if table is None:
                counts = [expected(s, rows[key]) for w, s in columns if w not in RATIOS | {'LG'}]
                if any(c not in ('', '0', '0/0') for c in counts):
                    fail('player page', f'{where}: figures {counts} but no {section} table')
                continue
            if table['head'][2:] != [w for w, _ in columns]:
                fail('columns', f'{where} {section}: header {table["head"][2:]}')
                continue
            season = table['tfoot'][0]
            if season[0][0] != 'Season':
                fail('player season', f'{where} {section}: footer row {season[0][0]!r}')
            for (word, source), (text, _) in zip(columns, season[2:]):
                want = expected(source, rows[key])
                if want is not None and text != want:
                    fail('player season', f'{where} {section} {word}: page {text!r}, players.csv {want!r}')
            check_game_log(where, section, table['tbody'], season, team, games, game_ids)
    for key in rows.keys() - seen:
        fail('player page', f'{key}: in players.csv, no page')
    return len(seen)


def check_game_log(where, section, log, season, team, games, game_ids):
    for i, (word, _) in enumerate(PLAYER_COLUMNS[section], 2):
        cells = [r[i][0] for r in log]
        if word in RATIOS:
            continue
        if word == 'LG':
            longest = [int(c) for c in cells if c]
            want = str(max(longest)) if longest else ''
        else:
            sums = [sum(int(c.split('/')[k]) for c in cells) for k in range(season[i][0].count('/') + 1)]
            want = '/'.join(map(str, sums))
        if season[i][0] != want:
            fail('game log', f'{where} {section} {word}: season {season[i][0]!r}, games give {want!r}')
    for (opponent, href), (result, _) in (r[:2] for r in log):
        g = games.get(game_ids.get(href.rsplit('/', 1)[-1]))
        if g is None:
            fail('game log', f'{where} {section}: row links to unknown game {href}')
            continue
        home = g['home_team'] == team
        us, them = (g['home_points'], g['visiting_points']) if home else (g['visiting_points'], g['home_points'])
        mark = 'W' if int(us) > int(them) else 'L' if int(us) < int(them) else 'T'
        want = (f"{'vs' if home else 'at'} {g['visiting_team' if home else 'home_team']}", f'{mark} {us}–{them}')
        if (opponent, result) != want:
            fail('game log', f'{where} {section} {href}: {(opponent, result)} but games.csv gives {want}')


def check_teams(site, tables):
    """Standings and team pages equal teams.csv."""
    rows = {r['team']: r for r in tables['teams']}
    standings = Page(site / 'index.html').named['Standings']
    words = standings['head']
    for cells in standings['tbody']:
        name, href = cells[0]
        row = rows.pop(name, None)
        if row is None:
            fail('team', f'standings list {name!r}, not in teams.csv')
            continue
        for word, column in STANDINGS.items():
            if cells[words.index(word)][0] != row[column]:
                fail('team', f'{name} standings {word}: {cells[words.index(word)][0]!r}, teams.csv {row[column]!r}')
        page = Page(site / href)
        record = f"{row['wins']}-{row['losses']}-{row['ties']}"
        if page.h1 != name or not page.sub[0].startswith(record + ' '):
            fail('team', f'{href}: h1 {page.h1!r}, sub {page.sub[0]!r}; teams.csv {name!r} {record}')
        box = next(t for t in page.tables if t['caption'].startswith('Totals'))
        if [r[0][0] for r in box['tbody']] != list(TEAM_ROWS):
            fail('columns', f'{href} totals rows: {[r[0][0] for r in box["tbody"]]}')
            continue
        for label, (ours, theirs) in ((r[0][0], (r[1][0], r[2][0])) for r in box['tbody']):
            for text, prefix in ((ours, ''), (theirs, 'opponents_')):
                want = expected(prefixed(prefix, TEAM_ROWS[label]), row)
                if want is not None and not same_figure(text, want):
                    fail('team', f'{name} {prefix}{label}: page {text!r}, teams.csv {want!r}')
    for name in rows:
        fail('team', f'{name!r} in teams.csv, not in the standings')
    return len(standings['tbody'])


def same_figure(shown, stored):
    """A page figure equals a CSV one, a ratio being shown to fewer places."""
    if shown == stored or '.' not in shown:
        return shown == stored
    return float(shown) == round(float(stored), len(shown.split('.')[1]))


def check_games(site, tables):
    """The results list, line scores and scoring tables equal games.csv and scoring.csv."""
    scoring = defaultdict(list)
    for s in tables['scoring']:
        scoring[s['game']].append(s)
    games = {g['game']: g for g in tables['games']}
    game_ids = {}
    for cells in Page(site / 'index.html').named['Every game in the order compiled']['tbody']:
        game_id, href = cells[5]
        g = games.pop(game_id, None)
        if g is None:
            fail('game', f'results list {game_id!r}, not in games.csv')
            continue
        game_ids[href.rsplit('/', 1)[-1]] = game_id
        page = Page(site / href)
        teams = (g['visiting_team'], g['home_team'])
        if page.h1 != f'{teams[0]} at {teams[1]}':
            fail('game', f'{href}: h1 {page.h1!r}, games.csv {teams}')
        if [c[0] for c in (cells[1], cells[2], cells[3], cells[4])] != \
                [teams[0], g['visiting_points'], teams[1], g['home_points']]:
            fail('game', f'{game_id} results row {[c[0] for c in cells]}')
        ot = g['visiting_ot'] != ''
        line = page.named['Points by quarter']
        if line['head'] != ['Team', '1', '2', '3', '4'] + ['OT'] * ot + ['T']:
            fail('game', f'{href} line score header {line["head"]}, games.csv OT {ot}')
            continue
        for cells_, side in zip(line['tbody'], ('visiting', 'home')):
            want = [g[f'{side}_team']] + [g[f'{side}_q{q}'] for q in range(1, 5)] + \
                [g[f'{side}_ot']] * ot + [g[f'{side}_points']]
            if [c[0] for c in cells_] != want:
                fail('game', f'{href} line score {[c[0] for c in cells_]}, games.csv {want}')
        plays = page.named['Scoring plays']['tbody']
        if len(plays) != len(scoring[game_id]):
            fail('game', f'{href}: {len(plays)} scoring rows, scoring.csv {len(scoring[game_id])}')
        for (q, time, team, play), s in zip(plays, scoring[game_id]):
            want_q = s['quarter'] if int(s['quarter']) <= 4 else 'OT'
            if (q[0][:len(want_q)], time[0], team[0]) != (want_q, s['time_elapsed'], s['team']) \
                    or s['player1'] and f"#{s['player1_number']} {s['player1']}" not in play[0]:
                fail('game', f'{href} scoring row {[c[0] for c in (q, time, team, play)]}, '
                             f'scoring.csv {list(s.values())}')
    for game_id in games:
        fail('game', f'{game_id} in games.csv, not in the results list')
    return game_ids


def check_leaders(site, report):
    """leaders.html lists the league report's leader tables: same tables in the
    same order, same rows (rank, player, position, team, figures)."""
    page = Page(site / 'leaders.html')
    lines = report.read_bytes().decode('mac_roman').replace('\r\n', '\n').split('\n')
    at = rows = 0
    for table in page.tables:
        title = '---' + table['caption']
        starts = [i for i in range(at, len(lines)) if lines[i].startswith(title)]
        if not starts:
            fail('leaders', f'{table["caption"]}: not in the report after line {at}')
            continue
        at = starts[0] + 3  # the title, the header and the rule
        for row in ([text for text, _ in cells] for cells in table['tbody']):
            name = row[1].split('-', 1)[1]
            want = [row[0] + '.', *name.split(), row[2], *row[3].split(), *row[4:]]
            if lines[at].split() != want:
                fail('leaders', f'{table["caption"]}: {want} on the site, {lines[at]!r} in the report')
                break
            at += 1
            rows += 1
        else:
            if lines[at].strip():
                fail('leaders', f'{table["caption"]}: the report has more rows: {lines[at]!r}')
    return rows


def rename(season):
    """Gives the first team, and its most named player, names holding '<', '&'
    and 0xC9 (Mac OS Roman '…'), in the team file and the transcripts alike."""
    old_path = sorted((season / 'teams').glob('*.fbt'))[0]
    old = old_path.stem.encode()
    # The same length keeps the box's columns; a home team's name is read
    # from its first letter or digit on.
    assert len(old) >= 6, old
    new = (old[:1] + b'<b>&\xc9' + old[1:])[:len(old)]
    entries = bytearray(old_path.read_bytes())
    transcripts = {p: p.read_bytes() for p in (season / 'games').glob('*.txt')}
    names = [(entries[i * 58 + 5:i * 58 + 5 + entries[i * 58 + 4]], int.from_bytes(entries[i * 58 + 40:i * 58 + 42], 'big'))
             for i in range(45)]
    i, (player, number) = max(enumerate(names), key=lambda e: sum(
        t.count(b'#%d-%s' % (e[1][1], e[1][0])) for t in transcripts.values()))
    renamed = b'<i>' + player[:2] + b'&\xc9' + player[2:]
    entries[i * 58 + 4:i * 58 + 36] = bytes([len(renamed)]) + renamed.ljust(31, b'\0')
    old_path.unlink()
    (season / 'teams' / os.fsdecode(new + b'.fbt')).write_bytes(entries)
    for p, text in transcripts.items():
        p.write_bytes(text.replace(old, new).replace(b'#%d-%s' % (number, player),
                                                     b'#%d-%s' % (number, renamed)))
    return new.decode('mac_roman'), renamed.decode('mac_roman')


def check_escaping(site, plain_site, team, player):
    """The renamed team and player read back as their names, escaped in the HTML."""
    pages = {p: Page(p) for p in site.rglob('*.html')}
    plain_tags = set().union(*(Page(p).tags for p in plain_site.rglob('*.html')))
    for path, page in pages.items():
        if page.tags - plain_tags:
            fail('escaping', f'{path.name}: tags {page.tags - plain_tags} from a name')
    standings = pages[site / 'index.html'].named['Standings']['tbody']
    href = next((c[0][1] for c in standings if c[0][0] == team), None)
    if href is None:
        return fail('escaping', f'{team!r} not in the standings: {[c[0][0] for c in standings]}')
    team_page = site / href
    raw = team_page.read_text(encoding='utf-8')
    if pages[team_page].h1 != team or '&lt;b&gt;&amp;…' not in raw:
        fail('escaping', f'{href}: h1 {pages[team_page].h1!r}, want {team!r} escaped')
    roster = pages[team_page].named['Roster']['tbody']
    link = next((c[1][1] for c in roster if c[1][0] == player), None)
    if link is None or pages[(team_page.parent / link).resolve()].h1 != player:
        fail('escaping', f'{player!r}: not on the roster of {href} or not the h1 of his page')
    elif not pages[(team_page.parent / link).resolve()].tables:
        fail('escaping', f'{player!r}: no figures, so the transcripts were not read as his')


def main():
    cli, sim, work = sys.argv[1], sys.argv[2], Path(sys.argv[3]).resolve()
    shutil.rmtree(work, ignore_errors=True)
    sites = []
    for name, args in (('season', ['--teams', '8', '--games', '40', '--seed', '5']),
                       ('names', ['--teams', '4', '--games', '4', '--seed', '9'])):
        season = work / name
        subprocess.run([sim, '--out', season, *args], check=True, stdout=subprocess.DEVNULL)
        names = rename(season) if name == 'names' else None
        site, tables = compile_season(cli, season, work / f'{name}-out')
        game_ids = check_games(site, tables)
        print(f'{name}: {check_players(site, tables, game_ids)} players, '
              f'{check_teams(site, tables)} teams, {len(game_ids)} games, '
              f'{check_leaders(site, work / f"{name}-out" / "L.LL")} leader rows checked')
        sites.append(site.resolve())
    check_escaping(sites[1], sites[0], *names)
    for kind, messages in failures.items():
        print(f'FAIL {kind}: {len(messages)} mismatches', *messages[:6], sep='\n  ')
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
