// The workspace of the desk page: masks open as panels beside each other, each its own
// instance watched through the page's one WebSocket; a tab list of the open panels; the keys
// that go from panel to panel and close them; and the host pane, where the agent types
// entries to the host as at the host terminal beside the masks.
'use strict';

const workspace = (() => {
  const tabList = document.querySelector('[data-panel-tabs]');
  const panelsNode = document.getElementById('panels');
  const noPanel = document.querySelector('[data-no-panel]');
  const status = document.getElementById('workspace-status');
  const previewSwitch = document.getElementById('show-preview');
  const panels = [];  // { id, className, title, node, tab, mask }, in the tab list's order
  let shown = null;
  let opened = 0;     // panels opened on this page, for unique ids

  function element(tag, attributes = {}, text) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
    if (text !== undefined) node.textContent = text;
    return node;
  }

  function plainTitle(className) {
    return className.replace(/([a-z])([A-Z])/g, '$1 $2').replace(/([A-Z]+)([A-Z][a-z])/g, '$1 $2');
  }

  // The panel's name: the mask's title, numbered when another open panel has the same.
  function panelName(className) {
    const title = plainTitle(className);
    const same = panels.filter((panel) => panel.className === className).length;
    return same ? `${title} (${same + 1})` : title;
  }

  // The parts of a mask's view (see quilletMasks.mount) inside a panel.
  function panelNode(prefix, name) {
    const node = element('section', { class: 'panel', role: 'tabpanel', id: `${prefix}panel`,
      'aria-labelledby': `${prefix}tab` });
    const head = element('div', { class: 'panel-head', 'data-panel-chrome': '' });
    const close = element('button', { type: 'button', class: 'panel-close', 'data-panel-close': '',
      'aria-label': `Close ${name}` }, 'Close');
    head.append(element('h3', {}, name), element('span', { class: 'connection', role: 'status' }), close);
    const layout = element('div', { class: 'mask-layout panel-body' });
    const area = element('section', { class: 'dialog-area', 'aria-label': name });
    const scroll = element('div', { class: 'dialog-scroll' });
    scroll.append(element('div', { class: 'dialog', role: 'form', 'aria-label': name }));
    const previewRow = element('div', { class: 'preview-row' });
    previewRow.append(element('p', { class: 'preview', 'data-preview': '', hidden: '' }),
      element('button', { type: 'button', class: 'copy copy-preview', hidden: '' }, 'Copy'));
    area.append(scroll, previewRow, element('p', { class: 'preview-news visually-hidden', 'aria-live': 'polite' }));
    const side = element('div', { class: 'side' });
    const pane = (label, list) => {
      const section = element('section', { 'aria-label': `${label} of ${name}` });
      section.append(element('h4', {}, label), list);
      return section;
    };
    const whiteboard = pane('Whiteboard', element('div', { class: 'whiteboard', 'data-whiteboard': '' }));
    whiteboard.classList.add('developer');
    whiteboard.hidden = !document.getElementById('developer-view').checked;
    side.append(
      pane('Events', element('ol', { class: 'log', 'data-event-log': '', tabindex: '0', 'aria-label': `Events of ${name}` })),
      pane('Host', element('ol', { class: 'host', 'data-host-log': '', tabindex: '0', 'aria-label': `Host entries of ${name}` })),
      whiteboard);
    layout.append(area, side);
    node.append(head, layout, element('div', { class: 'tooltip', role: 'tooltip', hidden: '' }),
      element('div', { class: 'tooltip-texts', hidden: '' }), element('div', { class: 'modal-layer', hidden: '' }));
    return { node, close };
  }

  function say(text) {
    status.textContent = text;
  }

  // Opens a new instance of the class as a panel, shown at once.
  async function open(className) {
    let answer;
    try {
      const response = await fetch('/api/open', {
        method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify({ mask: className }),
      });
      answer = await response.json();
      if (!response.ok) throw new Error(answer.error || `The mask did not open (${response.status}).`);
    } catch (error) {
      say(error.message === 'Failed to fetch' ? 'The desk does not answer.' : error.message);
      document.getElementById('connection').textContent = status.textContent;
      return null;
    }
    opened += 1;
    const prefix = `p${opened}-`;
    const name = panelName(className);
    const { node, close } = panelNode(prefix, name);
    const tab = element('button', { type: 'button', role: 'tab', id: `${prefix}tab`, 'aria-controls': `${prefix}panel`,
      'aria-selected': 'false', tabindex: '-1', 'data-panel-tab': answer.id, class: 'panel-tab' }, name);
    const panel = { id: answer.id, className, title: name, node, tab, mask: null };
    node.dataset.panel = answer.id;
    node.dataset.panelClass = className;
    panels.push(panel);
    tabList.append(tab);
    panelsNode.append(node);
    tab.addEventListener('click', () => show(panel, true));
    close.addEventListener('click', () => closePanel(panel));
    // The mask takes the focus its dialog gives once it shows: the focus leaves the picker.
    if (document.activeElement && document.activeElement !== document.body) document.activeElement.blur();
    show(panel, false);
    panel.mask = quilletMasks.mount(node, {
      instance: answer.id, className, idPrefix: prefix, previewSwitch,
      onClosed: (reason) => closePanel(panel, reason),
    });
    numberTabs();
    say(`${name} opened.`);
    return panel;
  }

  // Alt+1 to Alt+9 reach the first nine panels; their tabs say so.
  function numberTabs() {
    panels.forEach((panel, index) => {
      panel.tab.textContent = panel.title;
      if (index < 9) panel.tab.append(element('span', { class: 'tab-key', 'aria-hidden': 'true' }, ` Alt+${index + 1}`));
      panel.tab.setAttribute('aria-keyshortcuts', index < 9 ? `Alt+${index + 1}` : '');
      if (index >= 9) panel.tab.removeAttribute('aria-keyshortcuts');
    });
    noPanel.hidden = panels.length > 0;
    document.body.dataset.panels = String(panels.length);
  }

  // Shows the panel, the others hidden: only the shown panel takes keys. focusMask: the focus
  // goes back to the control of the mask that last had it.
  function show(panel, focusMask) {
    for (const other of panels) {
      const selected = other === panel;
      other.node.hidden = !selected;
      other.tab.setAttribute('aria-selected', String(selected));
      other.tab.tabIndex = selected ? 0 : -1;
    }
    shown = panel;
    if (focusMask && panel.mask) panel.mask.focus();
  }

  const reasons = { cancelled: 'was cancelled and closed', closed: 'was closed', gone: 'is no longer open' };

  // Closes the panel and releases its instance; the neighbouring panel is shown.
  function closePanel(panel, reason) {
    const at = panels.indexOf(panel);
    if (at < 0) return;
    const hadFocus = panel.node.contains(document.activeElement) || panel.tab === document.activeElement;
    if (panel.mask) panel.mask.release();
    panels.splice(at, 1);
    panel.node.remove();
    panel.tab.remove();
    numberTabs();
    say(`${panel.title} ${reasons[reason] || 'was closed'}.`);
    if (shown !== panel) return;
    shown = null;
    const next = panels[Math.min(at, panels.length - 1)];
    if (next) show(next, hadFocus || reason !== undefined);
    else document.getElementById('mask-search').focus();
  }

  function step(by) {
    if (!panels.length) return;
    const at = shown ? panels.indexOf(shown) : -1;
    show(panels[(at + by + panels.length) % panels.length], true);
  }

  // The tab list as WAI-ARIA tabs: the arrows, Home and End go from tab to tab and show its
  // panel; Delete closes it.
  tabList.addEventListener('keydown', (event) => {
    const at = panels.findIndex((panel) => panel.tab === event.target);
    if (at < 0 || event.altKey || event.ctrlKey || event.metaKey) return;
    const moves = { ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: panels.length - 1 };
    if (event.key in moves) {
      const next = panels[(moves[event.key] + panels.length) % panels.length];
      show(next, false);
      next.tab.focus();
    } else if (event.key === 'Delete') {
      closePanel(panels[at]);
      if (shown) shown.tab.focus();
    } else {
      return;
    }
    event.preventDefault();
  });

  // The desk's keys, before any mask sees them.
  window.addEventListener('keydown', (event) => {
    let done = true;
    if (event.key === 'F6' && event.ctrlKey && !event.altKey) {
      step(event.shiftKey ? -1 : 1);
    } else if ((event.key === 'F4' && event.ctrlKey && !event.altKey) ||
               (event.altKey && !event.ctrlKey && !event.shiftKey && event.code === 'KeyW')) {
      if (shown) closePanel(shown, undefined);
      else done = false;
    } else if (event.altKey && !event.ctrlKey && !event.shiftKey && /^Digit[0-9]$/.test(event.code)) {
      const number = Number(event.code.slice(5));
      if (number === 0) {
        // What is typed next replaces the last search.
        const search = document.getElementById('mask-search');
        search.focus();
        search.select();
      }
      else if (panels[number - 1]) show(panels[number - 1], true);
    } else if (event.altKey && !event.ctrlKey && !event.shiftKey && event.code === 'KeyT') {
      document.getElementById('host-entry').focus();
    } else {
      done = false;
    }
    if (!done) return;
    event.preventDefault();
    event.stopPropagation();
  }, true);

  // What the page's socket says of itself (reconnecting, a message the desk could not read).
  deskSocket.onStatus((text) => { document.getElementById('connection').textContent = text; });

  previewSwitch.addEventListener('change', () => {
    for (const panel of panels) panel.mask?.showPreview();
  });

  // The browser's own help key would open its help.
  window.addEventListener('help', (event) => event.preventDefault());
  // A page brought back from the browser's cache shows released instances: start anew.
  window.addEventListener('pageshow', (event) => { if (event.persisted) window.location.reload(); });
  window.addEventListener('pagehide', () => {
    for (const panel of panels) panel.mask?.release();
  });

  return {
    open,
    get panels() { return panels.slice(); },
  };
})();

// The host pane: entries the agent types go to the simulated host, which answers what its
// file names for them; entry and answer go to the journal. Up and Down recall earlier entries
// from the journal, newest first; Down past the newest gives back the text being typed.
(() => {
  const form = document.getElementById('host-form');
  const entry = document.getElementById('host-entry');
  const terminal = document.querySelector('[data-host-terminal]');
  const status = document.getElementById('host-status');
  const kRecalled = 200;
  let history = [];  // newest first
  let recalled = -1; // the entry of history shown, or -1: the text being typed
  let typing = '';

  function line(direction, text) {
    const item = document.createElement('li');
    item.className = `host-${direction}`;
    item.append(direction === 'in' ? '> ' : '< ', hostCommands.nodes(text));
    terminal.append(item);
    while (terminal.children.length > 500) terminal.firstChild.remove();
    terminal.scrollTop = terminal.scrollHeight;
  }

  async function loadHistory() {
    try {
      const response = await fetch(`/api/journal?limit=${kRecalled}`);
      if (!response.ok) return;
      const commands = (await response.json()).entries.map((listed) => listed.command);
      // The same entry twice in a row is recalled once.
      history = commands.filter((command, index) => command !== commands[index - 1]);
    } catch (error) {
      // The history stays as it was.
    }
  }

  entry.addEventListener('focus', () => { if (recalled < 0) loadHistory(); });
  entry.addEventListener('input', () => { recalled = -1; });
  entry.addEventListener('keydown', (event) => {
    if ((event.key !== 'ArrowUp' && event.key !== 'ArrowDown') || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    if (event.key === 'ArrowUp') {
      if (recalled + 1 >= history.length) return;
      if (recalled < 0) typing = entry.value;
      recalled += 1;
    } else {
      if (recalled < 0) return;
      recalled -= 1;
    }
    entry.value = recalled < 0 ? typing : history[recalled];
    entry.setSelectionRange(entry.value.length, entry.value.length);
  });

  form.addEventListener('submit', async (event) => {
    event.preventDefault();
    const text = entry.value;
    if (!text.trim()) {
      status.textContent = 'Type an entry for the host.';
      return;
    }
    status.textContent = '';
    let answer;
    try {
      const response = await fetch('/api/host', {
        method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify({ entry: text }),
      });
      answer = await response.json();
      if (!response.ok) {
        // The entry stays in the field, to be corrected.
        status.textContent = `Not sent: ${answer.error || `error ${response.status}`}.`;
        return;
      }
    } catch (error) {
      status.textContent = 'Not sent: the desk does not answer.';
      return;
    }
    line('in', answer.entry);
    line('out', answer.answer);
    if (answer.journal) status.textContent = `The journal did not keep it: ${answer.journal}`;
    if (history[0] !== answer.entry) history.unshift(answer.entry);
    recalled = -1;
    typing = '';
    if (entry.value === text) entry.value = '';
    if (typeof showJournal === 'function') showJournal();
  });
})();
