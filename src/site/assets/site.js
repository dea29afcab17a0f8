// Yardledger league site: sorts sortable tables and searches players and teams.
// Pages are complete without it; it only adds behaviour to what is there.
(function () {
  'use strict';

  // ---- Sorting ----

  // A cell's number, or NaN: "1,234", "62.5%" and the 12 of "12/15" are numbers;
  // "#12-Smith", "—" and "" are not.
  function cellNumber(text) {
    let t = text.trim().replace(/\u2212/g, '-');
    const slash = t.indexOf('/');
    if (slash > 0) t = t.slice(0, slash).trim();
    t = t.replace(/%$/, '').replace(/,/g, '');
    return /^[-+]?(\d+(\.\d*)?|\.\d+)$/.test(t) ? Number(t) : NaN;
  }

  function sortText(cell) {
    if (!cell) return '';
    const value = cell.getAttribute('data-sort');
    return (value !== null ? value : cell.textContent).trim();
  }

  // The cell under column position k, counting colspans.
  function cellAt(row, k) {
    let position = 0;
    for (let i = 0; i < row.cells.length; i++) {
      position += row.cells[i].colSpan || 1;
      if (position > k) return row.cells[i];
    }
    return null;
  }

  function columnOf(th) {
    let k = 0;
    for (let c = th.previousElementSibling; c; c = c.previousElementSibling) k += c.colSpan || 1;
    return k;
  }

  const collator = new Intl.Collator(undefined, { numeric: true, sensitivity: 'base' });

  function sortTable(table, th) {
    const k = columnOf(th);
    const bodies = Array.from(table.tBodies);
    const keyed = bodies.map(function (body) {
      return Array.prototype.map.call(body.rows, function (row, i) {
        const text = sortText(cellAt(row, k));
        return { row: row, index: i, text: text, number: cellNumber(text) };
      });
    });

    // The column is numeric when most of its non-empty cells are numbers.
    let numbers = 0;
    let words = 0;
    keyed.forEach(function (rows) {
      rows.forEach(function (r) {
        if (!isNaN(r.number)) numbers++;
        else if (r.text !== '') words++;
      });
    });
    const numeric = numbers > 0 && numbers >= words;

    // First click: numbers largest first, text A to Z; each later click reverses.
    const current = th.getAttribute('aria-sort');
    const descending = current ? current === 'ascending' : numeric;
    const sign = descending ? -1 : 1;

    function compare(a, b) {
      const aMissing = numeric ? isNaN(a.number) : a.text === '';
      const bMissing = numeric ? isNaN(b.number) : b.text === '';
      if (aMissing !== bMissing) return aMissing ? 1 : -1; // missing values last either way
      let order = 0;
      if (!aMissing) order = numeric ? a.number - b.number : collator.compare(a.text, b.text);
      return order !== 0 ? sign * order : a.index - b.index; // ties keep their order
    }

    keyed.forEach(function (rows, b) {
      rows.sort(compare);
      rows.forEach(function (r) { bodies[b].appendChild(r.row); });
    });

    Array.prototype.forEach.call(table.querySelectorAll('thead th[aria-sort]'), function (other) {
      other.removeAttribute('aria-sort');
    });
    th.setAttribute('aria-sort', descending ? 'descending' : 'ascending');
  }

  function setUpSorting() {
    Array.prototype.forEach.call(document.querySelectorAll('table.sortable'), function (table) {
      Array.prototype.forEach.call(table.querySelectorAll('thead th'), function (th) {
        if ((th.colSpan || 1) > 1) return; // a group heading names no single column
        th.tabIndex = 0;
        th.addEventListener('click', function () { sortTable(table, th); });
        th.addEventListener('keydown', function (event) {
          if (event.key === 'Enter' || event.key === ' ' || event.key === 'Spacebar') {
            event.preventDefault();
            sortTable(table, th);
          }
        });
      });
    });
  }

  // ---- Search ----

  const MAX_RESULTS = 12;

  function setUpSearch() {
    const input = document.getElementById('q');
    const list = document.getElementById('q-results');
    if (!input || !list) return;
    const entries = Array.isArray(window.YL_SEARCH) ? window.YL_SEARCH : [];
    const root = document.documentElement.getAttribute('data-root') || '';
    let lowered = null;
    let active = -1;

    input.setAttribute('role', 'combobox');
    input.setAttribute('aria-controls', 'q-results');
    input.setAttribute('aria-expanded', 'false');

    // Names that start with the query come first, then names with a word that
    // starts with it ("smi" in "#12-Smith"), then any other match; index order within each.
    function matches(query) {
      if (!lowered) lowered = entries.map(function (e) { return String(e && e[0]).toLowerCase(); });
      const ranks = [[], [], []];
      for (let i = 0; i < entries.length && ranks[0].length < MAX_RESULTS; i++) {
        const at = lowered[i].indexOf(query);
        if (at < 0 || !Array.isArray(entries[i]) || entries[i].length < 3) continue;
        const wordStart = at > 0 && !/[0-9a-z\u00c0-\u024f]/.test(lowered[i].charAt(at - 1));
        ranks[at === 0 ? 0 : wordStart ? 1 : 2].push(entries[i]);
      }
      return ranks[0].concat(ranks[1], ranks[2]).slice(0, MAX_RESULTS);
    }

    function close() {
      list.hidden = true;
      active = -1;
      input.setAttribute('aria-expanded', 'false');
      input.removeAttribute('aria-activedescendant');
    }

    function show() {
      while (list.firstChild) list.removeChild(list.firstChild);
      active = -1;
      input.removeAttribute('aria-activedescendant');
      const query = input.value.trim().toLowerCase();
      if (!query) { close(); return; }
      matches(query).forEach(function (entry, i) {
        const li = document.createElement('li');
        li.id = 'q-option-' + i;
        li.setAttribute('role', 'option');
        const a = document.createElement('a');
        a.setAttribute('href', root + entry[2]);
        a.tabIndex = -1;
        a.appendChild(document.createTextNode(String(entry[0]) + ' '));
        const detail = document.createElement('span');
        detail.textContent = String(entry[1]);
        a.appendChild(detail);
        li.appendChild(a);
        list.appendChild(li);
      });
      list.hidden = list.children.length === 0;
      input.setAttribute('aria-expanded', list.hidden ? 'false' : 'true');
    }

    function highlight(index) {
      const items = list.children;
      if (items.length === 0) return;
      active = (index + items.length) % items.length;
      for (let i = 0; i < items.length; i++) {
        items[i].classList.toggle('active', i === active);
        items[i].setAttribute('aria-selected', i === active ? 'true' : 'false');
      }
      input.setAttribute('aria-activedescendant', items[active].id);
      items[active].scrollIntoView({ block: 'nearest' });
    }

    input.addEventListener('input', show);
    input.addEventListener('focus', function () { if (input.value.trim()) show(); });
    input.addEventListener('keydown', function (event) {
      const items = list.children;
      if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        if (list.hidden) show();
        if (items.length) highlight(event.key === 'ArrowDown' ? active + 1 : active - 1);
        event.preventDefault();
      } else if (event.key === 'Enter') {
        if (list.hidden || items.length === 0) return;
        event.preventDefault();
        location.href = items[active >= 0 ? active : 0].querySelector('a').href;
      } else if (event.key === 'Escape') {
        if (list.hidden) input.value = '';
        close();
      }
    });
    // A click elsewhere on the page closes the list; a click on an item follows its link.
    document.addEventListener('click', function (event) {
      if (!list.hidden && !input.parentNode.contains(event.target)) close();
    });
  }

  function start() {
    setUpSorting();
    setUpSearch();
  }

  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
