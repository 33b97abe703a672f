// The desk page: the masks grouped by family, the language and the demo PNR.
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
      const link = element('a', { href: `/mask/${encodeURIComponent(className)}`, 'data-mask': className },
        className.replace(/^PNR/, 'PNR ').replace(/([a-z])([A-Z])/g, '$1 $2'));
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
  showPnr(desk);
}

document.getElementById('language').addEventListener('change', async (event) => {
  show(await post({ lang: event.target.value }));
});
document.getElementById('pnr').addEventListener('change', async (event) => {
  show(await post({ pnr: event.target.value }));
});
document.getElementById('back-office').addEventListener('change', async (event) => {
  show(await post({ backOffice: event.target.checked }));
});

fetch('/api/desk').then((r) => r.json()).then(show);
