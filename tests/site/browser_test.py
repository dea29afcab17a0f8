#!/usr/bin/python3
"""Checks a generated league site in headless Chromium.

Usage: browser_test.py SITE_DIR SHOTS_DIR

Every page reachable from index.html has working, local links and loads with no
console error or outside request; sortable tables sort; the search box finds a
player and opens his page; the main pages fit a phone's width; dark mode changes
the colours. Screenshots of the main pages go to SHOTS_DIR. Exits 1 on any failure.
"""
import base64
import html.parser
import os
import re
import sys
import traceback
import urllib.parse
import urllib.request
from collections import deque

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.common.exceptions import TimeoutException
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    # Debian's python3-selenium is installed for the system interpreter only.
    sys.exit(f'browser_test.py: no selenium module for {sys.executable}; '
             'run scripts/install-deps and start this test with /usr/bin/python3')

# Browser loads are the slow part (~0.1 s each); past this many pages the rest are
# checked by parsing their files only, which still covers links and asset paths.
MAX_BROWSER_LOADS = 400
WAIT_SECONDS = 10
SCHEME = re.compile(r'^[A-Za-z][A-Za-z0-9+.-]*:|^//')
NUMBER = re.compile(r'^[-+]?(\d+(\.\d*)?|\.\d+)$')


def cell_number(text):
    """The number a sortable cell holds ("1,234", "62.5%", the 12 of "12/15"), or None."""
    t = text.strip().replace('\u2212', '-').split('/')[0].strip()
    t = t.removesuffix('%').replace(',', '')
    return float(t) if NUMBER.match(t) else None


class PageParser(html.parser.HTMLParser):
    """Collects a page's link targets, element ids and asset references."""

    def __init__(self):
        super().__init__()
        self.links, self.ids, self.assets = [], set(), []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if attrs.get('id'):
            self.ids.add(attrs['id'])
        if tag == 'a' and attrs.get('name'):
            self.ids.add(attrs['name'])
        if tag == 'a' and attrs.get('href') is not None:
            self.links.append(attrs['href'])
        elif tag in ('script', 'img') and attrs.get('src') is not None:
            self.assets.append(attrs['src'])
        elif tag == 'link' and attrs.get('href') is not None:
            self.assets.append(attrs['href'])


class Site:
    def __init__(self, root):
        self.root = os.path.realpath(root)
        self.parsed = {}

    def url(self, relpath):
        return 'file://' + urllib.request.pathname2url(os.path.join(self.root, relpath))

    def relpath(self, path):
        return os.path.relpath(path, self.root).replace(os.sep, '/')

    def parse(self, relpath):
        if relpath not in self.parsed:
            parser = PageParser()
            with open(os.path.join(self.root, relpath), encoding='utf-8') as f:
                parser.feed(f.read())
            self.parsed[relpath] = parser
        return self.parsed[relpath]

    def resolve(self, page, href):
        """The site-relative file and fragment an href on `page` points to, or an error text."""
        if SCHEME.match(href):
            return None, None, f'link leaves the site: {href!r}'
        parts = urllib.parse.urlsplit(href)
        if not parts.path:
            return page, parts.fragment, None
        base = os.path.dirname(os.path.join(self.root, page))
        target = os.path.realpath(os.path.join(base, urllib.parse.unquote(parts.path)))
        if os.path.commonpath([target, self.root]) != self.root:
            return None, None, f'link points outside the site folder: {href!r}'
        if not os.path.isfile(target):
            return None, None, f'link to a missing file: {href!r}'
        return self.relpath(target), parts.fragment, None

    def first(self, folder, preferred=None):
        if preferred and os.path.isfile(os.path.join(self.root, folder, preferred)):
            return f'{folder}/{preferred}'
        names = sorted(n for n in os.listdir(os.path.join(self.root, folder)) if n.endswith('.html'))
        if not names:
            raise AssertionError(f'no pages in {folder}/')
        return f'{folder}/{names[0]}'


def start_browser():
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage',
                 '--allow-file-access-from-files', '--window-size=1280,800',
                 # Phones draw scrollbars over the page; so does this browser, so the
                 # viewport is exactly the emulated width and screenshots show all of it.
                 '--hide-scrollbars'):
        options.add_argument(flag)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.set_page_load_timeout(30)
    return driver


def load(driver, site, relpath):
    driver.get(site.url(relpath))
    WebDriverWait(driver, WAIT_SECONDS).until(
        lambda d: d.execute_script('return document.readyState') == 'complete')


def page_problems(driver, relpath):
    """Console errors and requests that left file: while the current page loaded."""
    problems = [f'{relpath}: console error: {entry["message"]}'
                for entry in driver.get_log('browser') if entry['level'] == 'SEVERE']
    requests = driver.execute_script(
        "return performance.getEntriesByType('resource').map(function (r) { return r.name; })")
    problems += [f'{relpath}: request outside the site: {name}'
                 for name in requests if not name.startswith('file:')]
    return problems


def check_links(driver, site):
    """Every page reachable from index.html: links resolve, fragments exist, no outside requests."""
    failures = []
    queue, seen, loads = deque(['index.html']), {'index.html'}, 0
    driver.get_log('browser')  # drop anything logged before the first page
    while queue:
        page = queue.popleft()
        parsed = site.parse(page)
        if loads < MAX_BROWSER_LOADS:
            load(driver, site, page)
            loads += 1
            failures += page_problems(driver, page)
        for ref in parsed.assets:
            if SCHEME.match(ref):
                failures.append(f'{page}: asset from outside the site: {ref!r}')
            elif site.resolve(page, ref)[2]:
                failures.append(f'{page}: missing asset {ref!r}')
        for href in parsed.links:
            target, fragment, error = site.resolve(page, href)
            if error:
                failures.append(f'{page}: {error}')
                continue
            is_page = target.endswith('.html')
            if fragment and (not is_page or fragment not in site.parse(target).ids):
                failures.append(f'{page}: link {href!r}: no element with id {fragment!r} in {target}')
            if is_page and target not in seen:
                seen.add(target)
                queue.append(target)
    print(f'links: {len(seen)} pages reached, {loads} loaded in the browser')
    return failures


def column_values(driver, table, k):
    """The sort text (data-sort, else text) of column k in every body row, in page order."""
    return driver.execute_script("""
        var table = arguments[0], k = arguments[1], out = [];
        Array.from(table.tBodies).forEach(function (body) {
          Array.from(body.rows).forEach(function (row) {
            var at = 0, cell = null;
            for (var i = 0; i < row.cells.length && !cell; i++) {
              at += row.cells[i].colSpan;
              if (at > k) cell = row.cells[i];
            }
            var sort = cell && cell.getAttribute('data-sort');
            out.push(cell ? (sort !== null ? sort : cell.textContent) : '');
          });
        });
        return out;""", table, k)


def check_sorting(driver, site):
    """A numeric column sorts largest first on one click, smallest first on the next."""
    page = site.first('stats', 'passing.html')
    load(driver, site, page)
    tables = driver.find_elements(By.CSS_SELECTOR, 'table.sortable')
    if not tables:
        return [f'{page}: no table.sortable']
    table = tables[0]
    heads = table.find_elements(By.CSS_SELECTOR, 'thead th')
    labels = [h.text.strip().upper() for h in heads]
    if 'YDS' in labels:
        k = labels.index('YDS')
    else:
        numeric = [i for i in range(len(heads))
                   if all(cell_number(v) is not None for v in column_values(driver, table, i))]
        if not numeric:
            return [f'{page}: the first sortable table has no YDS or all-numeric column']
        k = numeric[0]
    before = sorted(column_values(driver, table, k))
    failures = []
    for direction, ordered in (('descending', lambda a, b: a >= b), ('ascending', lambda a, b: a <= b)):
        heads[k].click()
        values = column_values(driver, table, k)
        numbers = [cell_number(v) for v in values]
        present = [n for n in numbers if n is not None]
        if sorted(values) != before:
            failures.append(f'{page}: sorting {labels[k]} lost or changed rows')
        if not all(ordered(a, b) for a, b in zip(present, present[1:])):
            failures.append(f'{page}: {labels[k]} not {direction} after click: {values}')
        if None in numbers and any(n is not None for n in numbers[numbers.index(None):]):
            failures.append(f'{page}: {labels[k]}: cells without a number not last ({direction}): {values}')
        if heads[k].get_attribute('aria-sort') != direction:
            failures.append(f'{page}: {labels[k]} header aria-sort is '
                            f'{heads[k].get_attribute("aria-sort")!r}, expected {direction!r}')
    print(f'sorting: {page} column {labels[k]} sorted both ways')
    return failures


def pick_player(driver, site):
    """A player link from a stats page, its page, and a query that finds at most 12 entries."""
    page = site.first('stats', 'passing.html')
    load(driver, site, page)
    for link in driver.find_elements(By.CSS_SELECTOR, 'table.sortable tbody a[href*="players/"]'):
        label = link.text.strip()
        name = re.sub(r'^#\d+\s*-?\s*', '', label)
        if len(name) < 5:
            continue
        target, _, error = site.resolve(page, link.get_dom_attribute('href'))
        if error:
            continue
        names = driver.execute_script(
            'return (window.YL_SEARCH || []).map(function (e) { return String(e[0]).toLowerCase(); })')
        # Lengthen the query until at most 12 names contain it, so he must be listed.
        for length in range(4, len(name)):
            query = name[1:1 + length]
            if sum(query.lower() in n for n in names) <= 12:
                return page, label, name, target, query
    raise AssertionError(f'{page}: no player link with a name of 5 or more letters')


def search_results(driver, query):
    box = driver.find_element(By.ID, 'q')
    box.clear()
    box.send_keys(query)
    try:
        WebDriverWait(driver, WAIT_SECONDS).until(
            lambda d: d.find_element(By.ID, 'q-results').is_displayed())
    except TimeoutException:
        return box, []
    return box, driver.find_elements(By.CSS_SELECTOR, '#q-results li a')


def check_search(driver, site):
    """Typing part of a player's name lists him; a click or arrows + Enter open his page."""
    page, label, name, target, query = pick_player(driver, site)
    want = site.url(target)
    failures = []
    for start, how in ((page, 'click'), ('index.html', 'keys')):
        load(driver, site, start)
        box, items = search_results(driver, query)
        hrefs = [a.get_attribute('href') for a in items]
        if want not in hrefs:
            failures.append(f'{start}: typing {query!r} did not list {label} ({target}); got {hrefs}')
            continue
        if how == 'click':
            items[hrefs.index(want)].click()
        else:
            box.send_keys(*[Keys.ARROW_DOWN] * (hrefs.index(want) + 1), Keys.ENTER)
        try:
            WebDriverWait(driver, WAIT_SECONDS).until(lambda d: d.current_url != site.url(start))
        except TimeoutException:
            failures.append(f'{start}: choosing {label} by {how} did not leave the page')
            continue
        heading = driver.find_element(By.TAG_NAME, 'h1').text
        if driver.current_url != want:
            failures.append(f'{start}: choosing {label} by {how} opened {driver.current_url}, not {want}')
        elif name not in heading:
            failures.append(f'{target}: h1 {heading!r} does not contain {name!r}')
    print(f'search: {query!r} found {label} from {page} and index.html')
    return failures


def set_width(driver, width, height=800):
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                           {'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': False})


def screenshot(driver, path):
    """A screenshot of the whole page, not only the viewport."""
    metrics = driver.execute_cdp_cmd('Page.getLayoutMetrics', {})
    size = metrics.get('cssContentSize', metrics['contentSize'])
    shot = driver.execute_cdp_cmd('Page.captureScreenshot', {
        'format': 'png', 'captureBeyondViewport': True,
        'clip': {'x': 0, 'y': 0, 'width': size['width'], 'height': min(size['height'], 16000), 'scale': 1}})
    with open(path, 'wb') as f:
        f.write(base64.b64decode(shot['data']))


def check_widths(driver, site, shots):
    """The main pages never scroll sideways at desktop and phone widths."""
    pages = {'index': 'index.html', 'game': site.first('games'), 'team': site.first('teams'),
             'player': site.first('players')}
    failures = []
    for width in (1280, 375):
        set_width(driver, width)
        for shot, page in pages.items():
            load(driver, site, page)
            inner, client, scroll = driver.execute_script(
                'var root = document.documentElement;'
                'return [window.innerWidth, root.clientWidth, root.scrollWidth]')
            if inner != width:
                failures.append(f'{page}: window.innerWidth is {inner}, expected {width}')
            if scroll > min(inner, client):
                failures.append(f'{page}: at {width} px the page is {scroll} px wide (scrolls sideways)')
            screenshot(driver, os.path.join(shots, f'{shot}-{width}.png'))
    driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
    print(f'widths: {", ".join(pages.values())} fit 1280 and 375 px')
    return failures


def check_dark(driver, site, shots):
    """Dark mode gives the page a different background."""
    set_width(driver, 1280)
    load(driver, site, 'index.html')
    backgrounds = {}
    for scheme in ('light', 'dark'):
        driver.execute_cdp_cmd('Emulation.setEmulatedMedia',
                               {'features': [{'name': 'prefers-color-scheme', 'value': scheme}]})
        backgrounds[scheme] = driver.execute_script(
            'return getComputedStyle(document.body).backgroundColor')
    screenshot(driver, os.path.join(shots, 'index-dark-1280.png'))
    load(driver, site, site.first('games'))
    screenshot(driver, os.path.join(shots, 'game-dark-1280.png'))
    driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})
    driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
    if backgrounds['light'] == backgrounds['dark']:
        return [f'index.html: body background is {backgrounds["light"]} in both light and dark mode']
    print(f'dark: body background {backgrounds["light"]} (light), {backgrounds["dark"]} (dark)')
    return []


def main(argv):
    if len(argv) != 3:
        print('usage: browser_test.py SITE_DIR SHOTS_DIR', file=sys.stderr)
        return 2
    site, shots = Site(argv[1]), argv[2]
    if not os.path.isfile(os.path.join(site.root, 'index.html')):
        print(f'FAIL: {site.root}/index.html does not exist', file=sys.stderr)
        return 1
    os.makedirs(shots, exist_ok=True)
    driver = start_browser()
    failures = []
    try:
        for check in (check_links, check_sorting, check_search):
            try:
                failures += check(driver, site)
            except Exception:  # one broken check must not hide the others' results
                failures.append(f'{check.__name__} stopped:\n{traceback.format_exc()}')
        for check in (check_widths, check_dark):
            try:
                failures += check(driver, site, shots)
            except Exception:
                failures.append(f'{check.__name__} stopped:\n{traceback.format_exc()}')
    finally:
        driver.quit()
    for failure in failures:
        print(f'FAIL: {failure}', file=sys.stderr)
    print(f'{len(failures)} failure(s)' if failures else 'all browser checks passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
