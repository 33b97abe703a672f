// The mask page, /mask/CLASS: one instance of a mask per tab, with its language, the preview
// switch and, once the desk has closed the mask, a way to open it anew.
'use strict';

(() => {
  const body = document.body;
  const className = body.dataset.class;
  const previewSwitch = document.getElementById('show-preview');
  const notice = document.querySelector('[data-mask-closed]');
  const reasons = {
    cancelled: 'The mask was cancelled, and the desk closed it.',
    closed: 'This mask was closed.',
    gone: 'This mask is no longer open.',
  };

  function showClosed(reason) {
    notice.querySelector('.closed-text').textContent = `${reasons[reason] || reasons.closed} `;
    notice.hidden = false;
    body.dataset.closedReason = reason;
    // The way on is the link that opens the mask anew.
    notice.querySelector('a').focus();
  }

  const mask = quilletMasks.mount(body, { instance: body.dataset.instance, className, previewSwitch, onClosed: showClosed });
  // For tests of the forms (see showDialog).
  window.quilletShowDialog = mask.showDialog;

  previewSwitch.addEventListener('change', () => {
    mask.showPreview();
    fetch('/api/desk', {
      method: 'POST', headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify({ preview: previewSwitch.checked }),
    });
  });

  // The browser's own help key would open its help.
  window.addEventListener('help', (event) => event.preventDefault());
  // A page brought back from the browser's cache shows a released instance: open a new one.
  window.addEventListener('pageshow', (event) => { if (event.persisted) window.location.reload(); });
  window.addEventListener('pagehide', () => mask.release());

  fetch('/api/desk').then((r) => r.json()).then((desk) => {
    const language = document.getElementById('language');
    language.replaceChildren(...desk.languages.map((code) => {
      const option = document.createElement('option');
      option.value = code;
      option.textContent = code;
      return option;
    }));
    language.value = desk.language;
    previewSwitch.checked = desk.preview !== false;
    mask.showPreview();
    language.addEventListener('change', () => {
      window.location.assign(`/mask/${encodeURIComponent(className)}?lang=${encodeURIComponent(language.value)}`);
    });
  });
})();
