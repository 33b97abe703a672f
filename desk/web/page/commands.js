// Host commands as an agent reads them. The masks write the host's three special characters
// as six-character escape texts ("\u00A5"); the page shows each as its character, marked, and
// copying gives the command's exact text again.
'use strict';

const hostCommands = (() => {
  const escapes = { '\\u00A4': '\u00A4', '\\u00A5': '\u00A5', '\\u00A7': '\u00A7' };
  const pattern = /\\u00A[457]/g;

  // The command's text as nodes: plain text, and a marked element for each escape text that
  // keeps the escape in data-raw.
  function nodes(text) {
    const fragment = document.createDocumentFragment();
    let from = 0;
    for (const match of String(text).matchAll(pattern)) {
      if (match.index > from) fragment.append(text.slice(from, match.index));
      const mark = document.createElement('span');
      mark.className = 'escape';
      mark.dataset.raw = match[0];
      mark.title = `host character ${match[0]}`;
      mark.textContent = escapes[match[0]];
      fragment.append(mark);
      from = match.index + match[0].length;
    }
    if (from < text.length) fragment.append(text.slice(from));
    return fragment;
  }

  // A copy of a selection that holds marked characters gives their escape texts.
  document.addEventListener('copy', (event) => {
    const selection = document.getSelection();
    if (!selection || selection.rangeCount === 0 || selection.isCollapsed) return;
    const copied = selection.getRangeAt(0).cloneContents();
    const marks = copied.querySelectorAll('[data-raw]');
    const start = selection.anchorNode && selection.anchorNode.parentElement;
    const inMark = start && start.closest('[data-raw]');
    if (!marks.length && !inMark) return;
    for (const mark of marks) mark.replaceWith(mark.dataset.raw);
    event.clipboardData.setData('text/plain', inMark && !marks.length ? inMark.dataset.raw : copied.textContent);
    event.preventDefault();
  });

  // A button that copies the exact text.
  function copyButton(text, id = '', label = 'Copy') {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'copy';
    if (id) button.id = id;
    button.textContent = label;
    button.setAttribute('aria-label', `${label} the command`);
    button.addEventListener('click', async () => {
      try {
        await navigator.clipboard.writeText(text);
        button.textContent = 'Copied';
      } catch (error) {
        button.textContent = 'Copy failed';
      }
      setTimeout(() => { button.textContent = label; }, 1500);
    });
    return button;
  }

  return { nodes, copyButton };
})();
