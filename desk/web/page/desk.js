// The desk page: the masks grouped by family with a search that finds them as one types, the
// language, the demo PNR and the journal of the entries sent to the host. The masks open in
// the workspace (workspace.js).
'use strict';

const families = [
  { name: 'Creation', test: (c) => /^PNRCreation|^CreateAddPax$/.test(c) },
  { name: 'Modification', test: (c) => /^PNRModif|^PNRAdd|^PNRDelete/.test(c) },
  { name: 'Retrieval', test: (c) => /^PNRRetrieval/.test(c) },
];

function element(tag, attributes = {}, text) {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
  if (text !== undefined) node.textContent = text;
  return node;
}

async function post(body) {
  const response = await fetch('/api/desk', {
    method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(body),
  });
  return response.json();
}

function showPnr(desk) {
  const details = document.getElementById('pnr-details');
  details.replaceChildren();
  const open = desk.pnrs.find((p) => p.name === desk.pnr);
  if (!open) return;
  details.append(element('p', {}, open.group ? `Group PNR "${open.group}"` : 'Individual PNR'));
  const names = element('ul');
  for (const [number, surname, given, infant] of open.passengers) {
    names.append(element('li', {}, `${number} ${surname}/${given}${infant ? ' (infant)' : ''}`));
  }
  details.append(names);
  const emails = element('ul');
  for (const [address, number, name, remark] of open.emails) {
    emails.append(element('li', {}, `${address} - ${number} ${name}${remark ? ' - ' + remark : ''}`));
  }
  if (open.emails.length) details.append(element('p', {}, 'E-mail elements'), emails);
}

function show(desk) {
  const container = document.getElementById('families');
  container.replaceChildren();
  for (const family of families) {
    const classes = desk.masks.filter(family.test);
    if (!classes.length) continue;
    const section = element('section', { class: 'family', 'data-family': family.name.toLowerCase() });
    section.append(element('h2', {}, family.name));
    const list = element('ul');
    for (const className of classes) {
      const item = element('li');
      const link = element('a', { href: `/mask/${encodeURIComponent(className)}`, 'data-mask': className,
        id: `find-${className}` }, maskTitle(className));
      item.append(link);
      list.append(item);
    }
    section.append(list);
    container.append(section);
  }
  const language = document.getElementById('language');
  language.replaceChildren(...desk.languages.map((code) => element('option', { value: code }, code)));
  language.value = desk.language;
  const pnr = document.getElementById('pnr');
  pnr.replaceChildren(...desk.pnrs.map((p) => element('option', { value: p.name }, p.title)));
  pnr.value = desk.pnr;
  document.getElementById('back-office').checked = Boolean(desk.backOffice);
  document.getElementById('show-preview').checked = desk.preview !== false;
  showPnr(desk);
  findMasks();
}

// Finding a mask: the masks whose title or class name holds every word typed, the chosen one
// marked; Down and Up choose among them, Enter opens the chosen one.
const maskSearch = document.getElementById('mask-search');
const pickerStatus = document.getElementById('picker-status');
let chosenMask = 0;

function matchingLinks() {
  return [...document.querySelectorAll('#families a[data-mask]')].filter((link) => !link.parentElement.hidden);
}

function markChosen(announce) {
  const links = matchingLinks();
  chosenMask = links.length ? Math.min(Math.max(chosenMask, 0), links.length - 1) : 0;
  for (const link of document.querySelectorAll('#families a[data-mask]')) {
    link.classList.toggle('chosen', link === links[chosenMask]);
    if (link === links[chosenMask]) link.setAttribute('aria-current', 'true');
    else link.removeAttribute('aria-current');
  }
  const chosen = links[chosenMask];
  if (chosen) chosen.scrollIntoView({ block: 'nearest' });
  if (!announce) return;
  pickerStatus.textContent = !links.length ? 'No mask matches.'
    : `${chosen.textContent}, ${chosenMask + 1} of ${links.length}`;
}

function findMasks() {
  const words = maskSearch.value.trim().toLowerCase().split(/\s+/).filter(Boolean);
  for (const link of document.querySelectorAll('#families a[data-mask]')) {
    const names = `${link.textContent} ${link.dataset.mask}`.toLowerCase();
    link.parentElement.hidden = !words.every((word) => names.includes(word));
  }
  for (const family of document.querySelectorAll('#families .family')) {
    family.hidden = !family.querySelector('li:not([hidden])');
  }
  chosenMask = 0;
  markChosen(words.length > 0);
}

maskSearch.addEventListener('input', findMasks);
maskSearch.addEventListener('keydown', (event) => {
  if (event.altKey || event.ctrlKey || event.metaKey) return;
  if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
    event.preventDefault();
    const count = matchingLinks().length;
    if (count) chosenMask = (chosenMask + (event.key === 'ArrowDown' ? 1 : -1) + count) % count;
    markChosen(true);
  } else if (event.key === 'Enter') {
    event.preventDefault();
    const chosen = matchingLinks()[chosenMask];
    if (chosen) workspace.open(chosen.dataset.mask);
  } else if (event.key === 'Escape' && maskSearch.value) {
    event.preventDefault();
    maskSearch.value = '';
    findMasks();
  }
});

// A plain click (or Enter on the link) opens the mask as a panel of the workspace; a click
// with Ctrl, Shift or the middle button opens its page in a tab, as a link does.
document.getElementById('families').addEventListener('click', (event) => {
  const link = event.target.closest('a[data-mask]');
  if (!link || event.button !== 0 || event.ctrlKey || event.shiftKey || event.metaKey || event.altKey) return;
  event.preventDefault();
  workspace.open(link.dataset.mask);
});

document.getElementById('language').addEventListener('change', async (event) => {
  show(await post({ lang: event.target.value }));
});
document.getElementById('pnr').addEventListener('change', async (event) => {
  show(await post({ pnr: event.target.value }));
});
document.getElementById('back-office').addEventListener('change', async (event) => {
  show(await post({ backOffice: event.target.checked }));
});
document.getElementById('show-preview').addEventListener('change', (event) => {
  post({ preview: event.target.checked });
});

fetch('/api/desk').then((r) => r.json()).then(show);
// The agent starts by finding a mask.
if (document.activeElement === document.body) maskSearch.focus();

// The journal, newest first: what each mask sent, when, and the host's answer. It follows what
// the masks in other tabs send while this page is shown.
const journalNode = document.querySelector('[data-journal]');
const journalSearch = document.getElementById('journal-search');
const journalStatus = document.getElementById('journal-status');
const kJournalShown = 100;
let journalAsked = 0;

function maskTitle(className) {
  return className.replace(/([a-z])([A-Z])/g, '$1 $2').replace(/([A-Z]+)([A-Z][a-z])/g, '$1 $2');
}

function journalEntry(entry) {
  const item = element('li', { 'data-entry': String(entry.id), 'data-command': entry.command, 'data-mask': entry.mask,
    'data-time': entry.time, class: 'journal-entry' });
  const time = element('time', { datetime: entry.time }, new Date(entry.time).toLocaleString());
  const head = element('div', { class: 'journal-head' });
  head.append(time, ' ', element('span', { class: 'journal-mask' }, maskTitle(entry.mask)));
  const command = element('code', { class: 'journal-command' });
  command.append(hostCommands.nodes(entry.command));
  const line = element('div', { class: 'journal-line' });
  line.append(command, hostCommands.copyButton(entry.command));
  item.append(head, line);
  const answer = element('div', { class: 'journal-answer' });
  if (entry.answer === null) {
    answer.textContent = 'No answer from the host';
    answer.classList.add('none');
  } else {
    answer.append('Host: ', hostCommands.nodes(entry.answer));
  }
  item.append(answer);
  return item;
}

async function showJournal() {
  const asked = ++journalAsked;
  const query = new URLSearchParams({ q: journalSearch.value.trim(), limit: String(kJournalShown) });
  try {
    const response = await fetch(`/api/journal?${query}`);
    const answer = await response.json();
    if (asked !== journalAsked) return;  // a newer search is on its way
    if (!response.ok) {
      journalStatus.textContent = answer.error || `The journal cannot be read (${response.status}).`;
      return;
    }
    journalNode.replaceChildren(...answer.entries.map(journalEntry));
    const searching = journalSearch.value.trim() !== '';
    journalStatus.textContent = answer.entries.length ? (searching ? `${answer.entries.length} found` : '')
      : (searching ? 'Nothing sent matches.' : 'Nothing has been sent yet.');
  } catch (error) {
    if (asked === journalAsked) journalStatus.textContent = 'The desk does not answer.';
  }
}

let journalTyping = null;
journalSearch.addEventListener('input', () => {
  clearTimeout(journalTyping);
  journalTyping = setTimeout(showJournal, 150);
});
document.addEventListener('visibilitychange', () => { if (!document.hidden) showJournal(); });
setInterval(() => { if (!document.hidden && !journalNode.contains(document.activeElement)) showJournal(); }, 3000);
showJournal();
