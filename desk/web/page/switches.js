// The agent's own switches of the desk, kept by the browser for every page of the desk:
// "High contrast" (black on white, the masks' own colours set aside) and the developer view
// (the whiteboard pane of the mask pages).
'use strict';

(() => {
  const switches = [
    { id: 'high-contrast', key: 'quillet.highContrast', apply: (on) => document.body.classList.toggle('high-contrast', on) },
    {
      id: 'developer-view', key: 'quillet.developerView',
      apply: (on) => { for (const node of document.querySelectorAll('.developer')) node.hidden = !on; },
    },
  ];
  for (const { id, key, apply } of switches) {
    const box = document.getElementById(id);
    let on = false;
    try { on = localStorage.getItem(key) === 'on'; } catch (error) { /* storage off: the default */ }
    apply(on);
    if (!box) continue;
    box.checked = on;
    box.addEventListener('change', () => {
      apply(box.checked);
      try { localStorage.setItem(key, box.checked ? 'on' : 'off'); } catch (error) { /* kept for this page */ }
    });
  }
  // Another page of the desk changed a switch.
  window.addEventListener('storage', (event) => {
    const changed = switches.find((entry) => entry.key === event.key);
    if (!changed) return;
    const on = event.newValue === 'on';
    changed.apply(on);
    const box = document.getElementById(changed.id);
    if (box) box.checked = on;
  });
})();
