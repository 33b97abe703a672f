// The masks of the desk's pages: a dialog drawn from the live window tree that the desk
// streams, every agent action sent back to the desk, and the message boxes and pickers the
// mask waits on. quilletMasks.mount(root, options) shows one instance in root; the mask page
// shows one, the desk page's workspace one in each panel. Every text from the desk is shown
// as text, never as markup.
'use strict';

const quilletMasks = (() => {
  function element(tag, attributes = {}, text) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
    if (text !== undefined) node.textContent = text;
    return node;
  }

  // The dialog's font is the page's own (shipped with the desk, so every machine measures the
  // same). As the desktop does for a dialog font, its base units are its average character
  // width (of the 52 letters) and its height; a rectangle the desk gives in pixels of its own
  // base units becomes pixels of these. The texts stay whole in the boxes the template meant
  // for them whatever fonts the machine has.
  const dialogFont = { face: '"Quillet Sans"', size: 11, unitX: 6, unitY: 13, ready: false };
  const fontWaiters = [];

  function whenFontReady(then) {
    if (dialogFont.ready) then(); else fontWaiters.push(then);
  }

  function measureDialogFont() {
    const context = document.createElement('canvas').getContext('2d');
    context.font = `${dialogFont.size}px ${dialogFont.face}, Arial, sans-serif`;
    const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
    dialogFont.unitX = metrics.width / 52;
    dialogFont.unitY = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
  }

  Promise.all([400, 700].map((weight) => document.fonts.load(`${weight} ${dialogFont.size}px ${dialogFont.face}`)))
    .catch(() => {})
    .then(() => {
      measureDialogFont();
      dialogFont.ready = true;
      document.body.dataset.fontReady = '';
      for (const then of fontWaiters.splice(0)) then();
    });

  // Shows the instance in root, which holds the parts of a mask's view: .dialog,
  // .modal-layer, [data-event-log], [data-host-log], [data-whiteboard], [data-preview],
  // .preview-news, .copy-preview, .tooltip, .tooltip-texts and .connection. The hooks of the
  // page (data-control, the boxes' roles, ...) hold inside root; keys act on the mask only when
  // pressed inside root. options: instance, className, idPrefix (makes the ids of root's nodes
  // unique on a page of several masks), previewSwitch (the check box that shows the preview),
  // onClosed(reason) when the desk closed the instance or the mask cancelled.
  function mount(root, options) {
    const { instance, className } = options;
    const prefix = options.idPrefix || '';
    const api = `/api/mask/${instance}`;
    const dialogNode = root.querySelector('.dialog');
    const modalLayer = root.querySelector('.modal-layer');
    const logNode = root.querySelector('[data-event-log]');
    const hostNode = root.querySelector('[data-host-log]');
    const whiteboardNode = root.querySelector('[data-whiteboard]');
    const connection = root.querySelector('.connection') || element('span');
    const previewNode = root.querySelector('[data-preview]');
    const showPreview = options.previewSwitch || { checked: true };

    const controls = new Map();  // id -> { kind, element, input, label }
    let current = null;          // the last state shown
    let shownLog = 0;            // absolute index of the next log entry to show
    let shownHost = 0;
    let applyingFocus = false;
    let shownModal = null;
    let ended = false;           // the page is done with the instance
    let cancelled = false;       // the mask fired Cancel: the desk closes it
    let waitingForFont = false;

    const socket = deskSocket.watch(instance, {
      state: (state, version) => stateArrived(state, version),
      closed: () => maskClosed('closed', 'This mask was closed. Open it again from the desk.'),
      gone: () => maskClosed('gone', 'This mask is no longer open. Open it again from the desk.'),
      status: (text) => { connection.textContent = text; },
    });

    async function send(type, body) {
      const outcome = await socket.request(type, body);
      if (outcome.status !== 200 && outcome.status !== 202) {
        connection.textContent = outcome.error || `error ${outcome.status}`;
      }
      return outcome;
    }

    // Actions and the answers to boxes go to the desk one after the other, in the order the agent
    // made them. While some are on their way, a text control the agent edited shows the agent's
    // edits at once and takes the desk's state again when the desk has caught up: when every
    // action is answered and the newest state streamed holds the last of them. Until then the
    // body carries data-busy.
    let pending = 0;
    let chain = Promise.resolve();
    let latest = null;          // the newest state streamed
    let latestVersion = 0;
    let awaitedVersion = 0;     // the state that holds the last answered action

    function caughtUp() {
      return pending === 0 && latestVersion >= awaitedVersion;
    }

    function showBusy() {
      root.toggleAttribute('data-busy', !caughtUp());
    }

    function inOrder(type, body) {
      pending += 1;
      showBusy();
      chain = chain.then(async () => {
        try {
          const outcome = await send(type, body);
          if (outcome.version) awaitedVersion = Math.max(awaitedVersion, outcome.version);
        } catch (error) {
          connection.textContent = 'The desk does not answer.';
        } finally {
          pending -= 1;
          showBusy();
          if (latest && caughtUp()) render(latest);
        }
      });
      return chain;
    }

    function act(action) {
      // The desk acts with the selection the agent sees.
      if (action.do !== 'select') reportSelection();
      return inOrder('act', { action });
    }

    // The selection in the focused text control that the desk knows: the one last applied from its
    // state, reported to it, or left by an edit sent to it. A selection the agent makes in the page
    // (a click, the arrow keys, select all) differs from it until it is reported; a state the desk
    // computed before that report must not undo it.
    let agreed = null;  // { input, start, end }

    function textRange(input) {
      return [input.selectionStart ?? 0, input.selectionEnd ?? 0];
    }

    function agree(input) {
      const [start, end] = textRange(input);
      agreed = { input, start, end };
    }

    function isAgreed(input) {
      const [start, end] = textRange(input);
      return agreed !== null && agreed.input === input && agreed.start === start && agreed.end === end;
    }

    // Sends the agent's own selection in the focused text control, if the desk does not know it
    // yet; true when it did.
    function reportSelection() {
      const input = document.activeElement;
      const id = input ? idOf(input) : null;
      const control = id === null ? null : controls.get(id);
      if (!control || !control.text || control.input !== input || isAgreed(input)) return false;
      agree(input);
      act({ do: 'select', control: id, start: agreed.start, end: agreed.end });
      return true;
    }

    // Shows the desk's text in a text control. Until the desk has caught up, the focused control
    // and every control with edits on their way keep what the agent typed: a state older than
    // those edits would put back the text before them, with the caret at its end, and the
    // agent's next keys would land there once the focus comes back (from another panel, the
    // next field, a box). Setting the value moves the caret; the agent's selection stays where
    // it was, and one the desk knows stays known.
    function showText(control, text) {
      const input = control.input;
      if (caughtUp()) control.edited = false;
      else if (control.edited || document.activeElement === input) return;
      if (input.value === text) return;
      const known = isAgreed(input);
      const [start, end] = textRange(input);
      input.value = text;
      if (document.activeElement !== input) return;
      input.setSelectionRange(Math.min(start, text.length), Math.min(end, text.length));
      if (known) agree(input);
    }

    // What an edit does to the text, as the desk will do it: upper case, the limit.
    function editLocally(control, start, end, text) {
      const input = control.input;
      const value = input.value;
      if (control.upper) text = text.toUpperCase();
      if (control.limit > 0) {
        const room = control.limit - (value.length - (end - start));
        text = text.slice(0, Math.max(0, room));
      }
      input.value = value.slice(0, start) + text + value.slice(end);
      input.setSelectionRange(start + text.length, start + text.length);
    }

    // The edit carries its range, and the desk leaves the caret where the page does.
    function edit(control, id, start, end, text) {
      editLocally(control, start, end, text);
      control.edited = true;
      agree(control.input);
      act({ do: 'edit', control: id, start, end, text });
    }

    // Controls.

    function idOf(node) {
      const holder = node.closest('[data-control]');
      return holder ? Number(holder.dataset.control) : null;
    }

    function makeControl(state) {
      const id = String(state.id);
      let element_;
      let input = null;
      let label = null;
      const control_ = {};
      switch (state.kind) {
        case 'edit':
          element_ = input = element('input', { type: 'text' });
          input.spellcheck = false;
          input.autocomplete = 'off';
          break;
        case 'combo':
          if (state.dropDownList) {
            element_ = input = element('select');
          } else {
            element_ = element('span', { class: 'combo' });
            input = element('input', { type: 'text', autocomplete: 'off' });
            input.spellcheck = false;
            const chooser = element('select', { class: 'combo-list', tabindex: '-1', 'aria-label': 'entries' });
            chooser.addEventListener('change', () => act({ do: 'choose', control: state.id, index: chooser.selectedIndex }));
            element_.append(input, chooser);
            // What the agent types goes to the desk key by key, at the desk's own selection: the
            // combo box completes the text from its list, which the page cannot foresee.
            control_.typesAtDesk = true;
          }
          break;
        case 'list':
          element_ = input = element('select', { size: '4' });
          break;
        case 'button':
          element_ = input = element('button', { type: 'button' });
          break;
        case 'check':
        case 'radio':
          element_ = element('label', { class: state.kind });
          input = element('input', { type: state.kind === 'check' ? 'checkbox' : 'radio' });
          label = element('span');
          element_.append(input, label);
          break;
        case 'group':
          element_ = element('fieldset', { class: 'group' });
          label = element('legend');
          element_.append(label);
          break;
        case 'hosted':
          element_ = element('div', { class: 'hosted' });
          if (state.hostedClass === 'AddPax') {
            control_.hosted = hostedAddPassengers(state.id);
            element_.classList.add('hosted-form');
            element_.append(control_.hosted);
          }
          break;
        default:
          element_ = element('div', { class: 'static' });
      }
      element_.classList.add('control', `kind-${state.kind}`);
      element_.id = `${prefix}control-${id}`;
      (input || element_).setAttribute('data-control', id);
      if (input && input !== element_) element_.setAttribute('data-control-box', id);
      const control = Object.assign(control_, { kind: state.kind, element: element_, input, label });
      wireControl(control, state);
      controls.set(state.id, control);
      dialogNode.append(element_);
      return control;
    }

    function wireControl(control, state) {
      const id = state.id;
      const target = control.input || control.element;
      const isText = control.input && control.input.tagName !== 'SELECT' && control.input.tagName !== 'BUTTON' &&
        control.input.type !== 'checkbox' && control.input.type !== 'radio';
      control.text = Boolean(isText);
      if (isText) {
        control.input.addEventListener('beforeinput', (event) => {
          event.preventDefault();
          const [start, end] = textRange(control.input);
          const length = control.input.value.length;
          switch (event.inputType) {
            case 'insertText':
            case 'insertReplacementText':
            case 'insertFromPaste':
            case 'insertFromDrop': {
              const text = event.data ?? (event.dataTransfer ? event.dataTransfer.getData('text/plain') : '');
              if (!text) break;
              if (control.typesAtDesk) act({ do: 'type', control: id, text: text.replace(/[\r\n]+/g, ' ') });
              else edit(control, id, start, end, text.replace(/[\r\n]+/g, ' '));
              break;
            }
            case 'deleteContentBackward':
              if (control.typesAtDesk) {
                act({ do: 'key', key: 'Backspace', control: id });
                break;
              }
            case 'deleteWordBackward':
            case 'deleteSoftLineBackward':
            case 'deleteHardLineBackward':
              if (start !== end) edit(control, id, start, end, '');
              else if (start > 0) edit(control, id, start - 1, start, '');
              break;
            case 'deleteContentForward':
            case 'deleteWordForward':
            case 'deleteSoftLineForward':
            case 'deleteHardLineForward':
            case 'deleteByCut':
              if (start !== end) edit(control, id, start, end, '');
              else if (end < length) edit(control, id, start, end + 1, '');
              break;
            default:
              break;
          }
        });
      }
      if (control.input && control.input.tagName === 'SELECT' && !control.element.classList.contains('combo')) {
        control.input.addEventListener('change', () => act({ do: 'choose', control: id, index: control.input.selectedIndex }));
      }
      if (control.kind === 'button') {
        control.input.addEventListener('click', () => act({ do: 'click', control: id }));
      }
      if (control.kind === 'check' || control.kind === 'radio') {
        control.element.addEventListener('click', (event) => {
          event.preventDefault();
          act({ do: 'click', control: id });
        });
      }
      if (control.kind === 'static') {
        control.element.addEventListener('click', () => { if (control.notify) act({ do: 'click', control: id }); });
        control.element.addEventListener('mouseenter', () => { if (control.notify) act({ do: 'hover', control: id, inside: true }); });
        control.element.addEventListener('mouseleave', () => { if (control.notify) act({ do: 'hover', control: id, inside: false }); });
      }
      control.element.addEventListener('dblclick', (event) => {
        if (['check', 'radio', 'button', 'hosted'].includes(control.kind)) return;
        event.preventDefault();
        act({ do: 'dblclick', control: id });
      });
      // A hosted form's fields are its own; the focus in any of them is the hosted control's.
      target.addEventListener(control.kind === 'hosted' ? 'focusin' : 'focus', () => {
        if (applyingFocus) return;
        // What the browser selects as the control takes the focus is no choice of the agent's.
        if (control.text) agree(control.input);
        // The desk has the focus there already, unless an action still on its way moves it.
        if (caughtUp() && current && current.dialog && current.dialog.focus === id) return;
        act({ do: 'focus', control: id });
      });
    }

    function px(value) {
      return `${value}px`;
    }

    let baseUnits = [6, 13];  // the desk's, as the dialog's state gives them
    const dialogX = (value) => Math.round(value * dialogFont.unitX / baseUnits[0]);
    const dialogY = (value) => Math.round(value * dialogFont.unitY / baseUnits[1]);

    function updateControl(control, state) {
      const { element: box, input, label } = control;
      // Edges converted one by one, so that controls side by side in the template stay so.
      const left = dialogX(state.x);
      const top = dialogY(state.y);
      const height = state.kind === 'combo' && state.closedHeight ? state.closedHeight : state.height;
      box.style.left = px(left);
      box.style.top = px(top);
      box.style.width = px(dialogX(state.x + state.width) - left);
      box.style.height = px(dialogY(state.y + height) - top);
      box.hidden = !state.visible;
      describeControl(control, state);
      control.notify = Boolean(state.notify);
      box.classList.toggle('link', control.notify);
      // The control under the pointer says which cursor it shows (a link its hand).
      box.style.cursor = state.cursor === 'hand' ? 'pointer' : '';
      box.classList.toggle('disabled', !state.enabled);
      // Tab reaches the dialog's tab stops only (see tabStops).
      control.state = state;
      if (state.kind !== 'static' && state.kind !== 'group' && state.kind !== 'hosted') {
        (control.input || box).tabIndex = state.tabstop ? 0 : -1;
      }
      if (state.kind === 'static' || state.kind === 'edit') box.style.textAlign = state.align;
      if (state.color) box.style.color = state.color;
      if (state.background && state.kind === 'static') box.style.backgroundColor = state.background;
      // One text size throughout the dialog: a control's own font says only bold and underline.
      box.style.fontWeight = state.font && state.font.bold ? '700' : '';
      box.style.textDecoration = state.font && state.font.underline ? 'underline' : '';
      switch (state.kind) {
        case 'edit':
          control.upper = Boolean(state.upper);
          control.limit = state.limit;
          showText(control, state.text);
          input.disabled = !state.enabled;
          input.readOnly = Boolean(state.readOnly);
          input.classList.toggle('upper', Boolean(state.upper));
          input.dataset.limit = state.limit;
          break;
        case 'combo': {
          const list = input.tagName === 'SELECT' ? input : box.querySelector('.combo-list');
          const texts = state.items;
          if (list.options.length !== texts.length || texts.some((t, i) => list.options[i].text !== t)) {
            list.replaceChildren(...texts.map((t) => element('option', {}, t)));
          }
          list.selectedIndex = state.selected;
          list.disabled = !state.enabled;
          if (input !== list) {
            control.upper = Boolean(state.upper);
            control.limit = state.limit;
            showText(control, state.text);
            input.disabled = !state.enabled;
            input.classList.toggle('upper', Boolean(state.upper));
          }
          break;
        }
        case 'list':
          if (input.options.length !== state.items.length || state.items.some((t, i) => input.options[i].text !== t)) {
            input.replaceChildren(...state.items.map((t) => element('option', {}, t)));
          }
          input.selectedIndex = state.selected;
          input.disabled = !state.enabled;
          break;
        case 'button':
          input.textContent = state.text.replace(/&(.)/g, '$1');
          input.disabled = !state.enabled;
          input.classList.toggle('default', Boolean(state.defaultButton));
          break;
        case 'check':
        case 'radio':
          label.textContent = state.text.replace(/&(.)/g, '$1');
          input.checked = state.checked === 1;
          input.disabled = !state.enabled;
          break;
        case 'group':
          label.textContent = state.text.replace(/&(.)/g, '$1');
          break;
        case 'hosted':
          if (control.hosted) {
            control.hosted.firstChild.disabled = !state.enabled;
          } else {
            box.textContent = state.hostedClass ? `[${state.hostedClass}]` : '';
          }
          break;
        default:
          box.textContent = state.text;
          box.tabIndex = control.notify && state.enabled && state.tabstop ? 0 : -1;
      }
    }

    // The desk's focus and selection, shown once the page has caught up with the desk. A selection
    // the agent has made in the page since goes to the desk instead, and the state that holds it
    // is shown when it comes.
    function applyFocus(dialog) {
      if (dialog.focus === null || shownModal) return;
      // The agent working elsewhere on the page (the desk's own fields, another pane) keeps
      // the focus there.
      const active = document.activeElement;
      if (active && active !== document.body && !dialogNode.contains(active)) return;
      const control = controls.get(dialog.focus);
      if (!control) return;
      if (reportSelection()) return;
      const target = control.input || control.element;
      applyingFocus = true;
      try {
        if (document.activeElement !== target) target.focus();
        if (control.text && dialog.selection) {
          const [start, end] = textRange(target);
          if (start !== dialog.selection[0] || end !== dialog.selection[1]) {
            target.setSelectionRange(dialog.selection[0], dialog.selection[1]);
          }
          agree(target);
        }
      } finally {
        applyingFocus = false;
      }
    }

    // Tooltips: each control's text is its description for assistive technology, and shows beside
    // the control while the pointer rests on it or the control has the focus.
    const tooltipTexts = root.querySelector('.tooltip-texts');
    const tooltipBubble = root.querySelector('.tooltip');
    let tooltipOwner = null;

    function describeControl(control, state) {
      control.tooltip = state.tooltip || '';
      if (!control.tooltip) {
        if (control.tip) control.tip.remove();
        control.tip = null;
      } else {
        if (!control.tip) {
          control.tip = element('span', { id: `${prefix}tip-${state.id}` });
          tooltipTexts.append(control.tip);
        }
        control.tip.textContent = control.tooltip;
      }
      if (!control.tooltipShown) {
        control.tooltipShown = true;
        for (const [type, show] of [['focusin', true], ['mouseenter', true], ['focusout', false], ['mouseleave', false]]) {
          control.element.addEventListener(type, () => showTooltip(show ? control : null, type, control));
        }
      }
      if (tooltipOwner && tooltipOwner.tipOf === control) showTooltip(tooltipOwner);
    }

    // Typing puts the tooltip away, so that it covers nothing the agent works on; the next focus
    // or hover shows it again.
    dialogNode.addEventListener('keydown', () => {
      tooltipOwner = null;
      tooltipBubble.hidden = true;
    });

    // A field without a tooltip of its own shows its label's.
    function tipOf(control) {
      if (control.tooltip) return control;
      return control.labelControl && control.labelControl.tooltip ? control.labelControl : null;
    }

    function showTooltip(control, type, from) {
      // Leaving with the pointer keeps the tooltip of the control that has the focus.
      if (!control && type === 'mouseleave' && from && from.element.contains(document.activeElement)) return;
      const source = control ? tipOf(control) : null;
      tooltipOwner = source ? control : null;
      tooltipBubble.hidden = !source;
      if (!source) return;
      tooltipOwner.tipOf = source;
      tooltipBubble.textContent = source.tooltip;
      const box = control.element.getBoundingClientRect();
      // Fixed to the window, so that it shows beside its control in a panel as on a page.
      tooltipBubble.style.left = px(Math.round(box.left));
      tooltipBubble.style.top = px(Math.round(box.bottom + 2));
    }

    // The mask paints a mandatory field's label in this colour.
    const kMandatoryColour = '#ff0000';

    function plainText(text) {
      return text.replace(/&(.)/g, '$1').trim();
    }

    // Names for assistive technology, by the desktop's rule: the static right before a field in
    // the dialog's order names it. A mandatory field (its label in the mandatory colour) is
    // required and carries a mark besides the colour; a link label is a link to its field; a
    // button of dots is named by the field whose picker it opens. A check box without a text of
    // its own is named as a field is.
    function nameControls(states) {
      const names = new Map();
      let previous = null;
      let statics = [];  // the statics right before this control, nearest last
      for (const state of states) {
        const control = controls.get(state.id);
        // Of the statics right before the control, the nearest shown one (a hidden label may
        // stand in for a shown link label), else the nearest.
        const texts = statics.filter((candidate) => plainText(candidate.text));
        const label = texts.findLast((candidate) => candidate.visible) || texts[texts.length - 1] || null;
        const untitled = (state.kind === 'check' || state.kind === 'radio') && !plainText(state.text);
        if ((['edit', 'combo', 'list'].includes(state.kind) || untitled) && control.input) {
          const field = control.input;
          const name = label ? plainText(label.text) : (state.tooltip || `Field ${state.id}`);
          names.set(state.id, name);
          control.labelControl = label ? controls.get(label.id) : null;
          if (label) {
            field.setAttribute('aria-labelledby', `${prefix}control-${label.id}`);
            field.removeAttribute('aria-label');
          } else {
            field.removeAttribute('aria-labelledby');
            field.setAttribute('aria-label', name);
          }
          const required = Boolean(label && label.color && label.color.toLowerCase() === kMandatoryColour);
          field.toggleAttribute('aria-required', required);
          if (required) field.setAttribute('aria-required', 'true');
          control.element.classList.toggle('required', required);
          const list = control.element.querySelector('.combo-list');
          if (list) list.setAttribute('aria-label', `${name}: entries`);
          if (label) {
            const labelNode = controls.get(label.id).element;
            labelNode.classList.toggle('mandatory', required);
            if (label.notify) labelNode.setAttribute('aria-controls', field.id || (field.id = `${prefix}field-${state.id}`));
            else labelNode.removeAttribute('aria-controls');
          }
        } else if (state.kind === 'check' || state.kind === 'radio') {
          names.set(state.id, plainText(state.text));
        } else if (state.kind === 'button') {
          const caption = plainText(state.text);
          if (/^\.+$/.test(caption) || !caption) {
            const opens = previous ? names.get(previous.id) : null;
            control.input.setAttribute('aria-label', opens ? `Choose ${opens}` : (state.tooltip || `Button ${state.id}`));
          } else {
            control.input.removeAttribute('aria-label');
          }
        }
        const tip = tipOf(control);
        const described = control.input || control.element;
        if (tip && tip.tip) described.setAttribute('aria-describedby', tip.tip.id);
        else described.removeAttribute('aria-describedby');
        if (state.kind === 'static') {
          if (state.notify) control.element.setAttribute('role', 'link');
          else control.element.removeAttribute('role');
          control.element.toggleAttribute('aria-disabled', state.notify && !state.enabled);
          if (state.notify && !state.enabled) control.element.setAttribute('aria-disabled', 'true');
        }
        previous = state;
        statics = state.kind === 'static' ? [...statics, state] : [];
      }
    }

    function renderDialog(dialog) {
      if (!dialog) return;
      if (Array.isArray(dialog.baseUnits)) baseUnits = dialog.baseUnits;
      dialogNode.style.fontSize = px(dialogFont.size);
      dialogNode.style.width = px(dialogX(dialog.width));
      dialogNode.style.height = px(dialogY(dialog.height));
      dialogNode.style.backgroundColor = dialog.background;
      dialogNode.classList.toggle('disabled', !dialog.enabled);
      const seen = new Set();
      for (const state of dialog.controls) {
        seen.add(state.id);
        const control = controls.get(state.id) || makeControl(state);
        updateControl(control, state);
        if (!dialog.enabled && control.input) control.input.disabled = true;
      }
      for (const [id, control] of controls) {
        if (!seen.has(id)) {
          control.element.remove();
          if (control.tip) control.tip.remove();
          controls.delete(id);
        }
      }
      nameControls(dialog.controls);
      growTexts(dialog);
    }

    // A static whose text needs more lines than its box holds (the status line with a long hint)
    // grows downwards as far as no other control stands in the way, the dialog with it.
    function growTexts(dialog) {
      const shown = dialog.controls.map((state) => controls.get(state.id)).filter((control) => control && !control.element.hidden);
      let bottom = dialogY(dialog.height);
      for (const control of shown) {
        const box = control.element;
        if (control.kind !== 'static' || box.scrollHeight <= box.clientHeight + 1) continue;
        const top = box.offsetTop;
        const left = box.offsetLeft;
        const right = left + box.offsetWidth;
        let room = Infinity;
        for (const other of shown) {
          const node = other.element;
          if (other === control || node.tagName === 'FIELDSET') continue;
          const otherTop = node.offsetTop;
          if (otherTop < top + box.offsetHeight || node.offsetLeft >= right || node.offsetLeft + node.offsetWidth <= left) continue;
          room = Math.min(room, otherTop - top);
        }
        const height = Math.min(room, box.scrollHeight);
        if (height <= box.offsetHeight) continue;
        box.style.height = px(height);
        bottom = Math.max(bottom, top + height + 2);
      }
      dialogNode.style.height = px(bottom);
    }

    // The event log, the host pane and the whiteboard.

    function describe(entry) {
      switch (entry.type) {
        case 'event': return `${entry.name}(${entry.args.join(', ')})`;
        case 'msgbox': return `Message box "${entry.caption}": ${entry.text}`;
        case 'dialog': return `Picker opened: ${entry.kind}`;
        case 'answer': return entry.cancelled ? `Picker ${entry.kind} cancelled` : `Picker ${entry.kind}: ${entry.words.join(' ')}`;
        case 'request': return `Request to the desktop: ${entry.name}`;
        case 'log': return `Log ${entry.module} ${entry.operation}: ${entry.text}`;
        case 'open': return `Opened ${entry.target}`;
        case 'result': return `${entry.member} returned ${entry.result}`;
        default: return JSON.stringify(entry);
      }
    }

    function renderLog(log, first) {
      if (shownLog < log.start) shownLog = log.start;
      for (let index = shownLog - log.start; index < log.entries.length; index += 1) {
        const entry = log.entries[index];
        const item = element('li', { 'data-entry': entry.type }, describe(entry));
        if (entry.type === 'event') {
          if (entry.name === 'Cancel') cancelled = true;
          item.setAttribute('data-event', entry.name);
          item.setAttribute('data-args', JSON.stringify(entry.args));
        }
        if (entry.type === 'open' && entry.href) {
          const link = element('a', { href: entry.href, target: '_blank', rel: 'noopener' }, ' (open again)');
          item.append(link);
          if (!first) window.open(entry.href, '_blank', 'noopener');
        }
        logNode.append(item);
      }
      shownLog = log.start + log.entries.length;
      while (logNode.children.length > 500) logNode.firstChild.remove();
      logNode.scrollTop = logNode.scrollHeight;
    }

    function renderHost(host) {
      if (shownHost < host.start) shownHost = host.start;
      for (let index = shownHost - host.start; index < host.lines.length; index += 1) {
        const line = host.lines[index];
        const marks = { in: '> ', out: '< ', note: '# ' };
        const item = element('li', { class: `host-${line.direction}` }, marks[line.direction] || '');
        item.append(hostCommands.nodes(line.text));
        hostNode.append(item);
      }
      shownHost = host.start + host.lines.length;
      hostNode.scrollTop = hostNode.scrollHeight;
    }

    function renderWhiteboard(sections) {
      if (!sections.length) return;
      whiteboardNode.replaceChildren();
      for (const section of sections) {
        const table = element('table', { 'data-section': section.section });
        table.append(element('caption', {}, `[${section.section}]`));
        for (const [key, value] of section.entries) {
          const row = element('tr');
          row.append(element('th', {}, key), element('td', {}, value));
          table.append(row);
        }
        whiteboardNode.append(table);
      }
    }

    // Message boxes and pickers.

    const months = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August',
      'September', 'October', 'November', 'December'];

    function answer(body) {
      if (answerSink) return Promise.resolve(answerSink(body));
      // After the keys typed before it: those the box took are refused by the desk, not typed
      // into the field once the box is answered.
      return inOrder('answer', { answer: { ...body, serial: shownModal } });
    }

    function buttonsFor(style) {
      switch (style & 0xF) {
        case 1: return [['OK', 1], ['Cancel', 2]];
        case 3: return [['Yes', 6], ['No', 7], ['Cancel', 2]];
        case 4: return [['Yes', 6], ['No', 7]];
        default: return [['OK', 1]];
      }
    }

    function iconFor(style) {
      switch (style & 0xF0) {
        case 0x10: return ['stop', '\u2716'];
        case 0x20: return ['question', '?'];
        case 0x30: return ['warning', '!'];
        case 0x40: return ['information', 'i'];
        default: return null;
      }
    }

    function messageBox(modal) {
      const box = element('div', { role: 'alertdialog', 'aria-modal': 'true', class: 'window msgbox',
        'data-caption': modal.caption, 'aria-labelledby': `${prefix}msgbox-caption`, 'aria-describedby': `${prefix}msgbox-text` });
      box.append(element('div', { class: 'caption', id: `${prefix}msgbox-caption` }, modal.caption));
      const body = element('div', { class: 'msgbox-body' });
      const icon = iconFor(modal.style);
      if (icon) body.append(element('span', { class: `icon icon-${icon[0]}`, 'aria-label': icon[0], 'data-icon': icon[0] }, icon[1]));
      body.append(element('p', { id: `${prefix}msgbox-text`, class: 'msgbox-text' }, modal.text));
      box.append(body);
      const row = element('div', { class: 'buttons' });
      const buttons = buttonsFor(modal.style);
      for (const [text, button] of buttons) {
        const node = element('button', { type: 'button', 'data-button': String(button) }, text);
        node.addEventListener('click', () => answer({ button }));
        row.append(node);
      }
      box.append(row);
      // Enter answers with the button that has the focus (the first, as the box opens); Escape
      // with Cancel, or OK when that is the only button.
      box.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') {
          const focused = event.target.closest('[data-button]');
          answer({ button: focused ? Number(focused.dataset.button) : buttons[0][1] });
        } else if (event.key === 'Escape') {
          const cancel = buttons.find(([, button]) => button === 2);
          if (cancel) answer({ button: 2 });
          else if (buttons.length === 1) answer({ button: buttons[0][1] });
          else return;
        } else {
          return;
        }
        event.preventDefault();
        event.stopPropagation();
      });
      return box;
    }

    function pickerFrame(kind, title) {
      const box = element('div', { role: 'dialog', 'aria-modal': 'true', class: `window picker picker-${kind}`,
        'data-dialog': kind, 'aria-label': title });
      box.append(element('div', { class: 'caption' }, title));
      box.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') { event.preventDefault(); answer({ cancel: true }); }
      });
      return box;
    }

    function actionRow(onOk) {
      const row = element('div', { class: 'buttons' });
      const ok = element('button', { type: 'button', 'data-answer': 'ok' }, 'OK');
      const cancel = element('button', { type: 'button', 'data-answer': 'cancel' }, 'Cancel');
      ok.addEventListener('click', onOk);
      cancel.addEventListener('click', () => answer({ cancel: true }));
      row.append(ok, cancel);
      return row;
    }

    // The date a field holds, as the masks write dates: "20JAN", "20JAN26", "20JAN2026",
    // "20/01/2026", "20.01.26"; null when it holds none. Without a year, this year's.
    function fieldDate(text) {
      const value = (text || '').trim().toUpperCase();
      const thisYear = new Date().getFullYear();
      const fullYear = (year) => (year === undefined ? thisYear : year.length === 2 ? 2000 + Number(year) : Number(year));
      let match = /^(\d{1,2})([A-Z]{3})(\d{2}|\d{4})?$/.exec(value);
      let day;
      let month;
      let year;
      if (match) {
        month = months.findIndex((name) => name.slice(0, 3).toUpperCase() === match[2]);
        [day, year] = [Number(match[1]), fullYear(match[3])];
      } else if ((match = /^(\d{1,2})[/.-](\d{1,2})[/.-](\d{2}|\d{4})$/.exec(value))) {
        [day, month, year] = [Number(match[1]), Number(match[2]) - 1, fullYear(match[3])];
      } else {
        return null;
      }
      const date = new Date(year, month, day);
      if (month < 0 || date.getMonth() !== month || date.getDate() !== day) return null;
      return date;
    }

    // The calendar opens on the date of the field it was opened for, when it holds one, else on
    // today. The arrows move the day, PageUp and PageDown the month; the days are one tab stop,
    // the chosen day's; Enter takes the chosen day.
    function calendar() {
      const box = pickerFrame('calendar', 'Month');
      const field = focusedId !== null ? controls.get(focusedId) : null;
      const start = (field && field.text && fieldDate(field.input.value)) || new Date();
      let year = start.getFullYear();
      let month = start.getMonth();
      let day = start.getDate();
      const heading = element('div', { class: 'month-heading' });
      const previous = element('button', { type: 'button', 'aria-label': 'Previous month' }, '\u25C0');
      const title = element('span', { class: 'month-title', 'aria-live': 'polite' });
      const next = element('button', { type: 'button', 'aria-label': 'Next month' }, '\u25B6');
      heading.append(previous, title, next);
      const grid = element('div', { class: 'days', role: 'group', 'aria-label': 'Days' });
      const choose = () => answer({ words: [String(day), String(month + 1), String(year)] });
      function draw(focusDay) {
        title.textContent = `${months[month]} ${year}`;
        grid.replaceChildren(...['Mo', 'Tu', 'We', 'Th', 'Fr', 'Sa', 'Su'].map((d) => element('span', { class: 'weekday', 'aria-hidden': 'true' }, d)));
        const first = (new Date(year, month, 1).getDay() + 6) % 7;
        for (let blank = 0; blank < first; blank += 1) grid.append(element('span'));
        const days = new Date(year, month + 1, 0).getDate();
        day = Math.min(day, days);
        for (let d = 1; d <= days; d += 1) {
          const cell = element('button', { type: 'button', 'data-day': String(d), 'aria-label': `${d} ${months[month]} ${year}`, tabindex: d === day ? '0' : '-1' }, String(d));
          if (d === day) {
            cell.classList.add('chosen');
            cell.setAttribute('aria-pressed', 'true');
          }
          cell.addEventListener('click', () => { day = d; draw(true); });
          cell.addEventListener('dblclick', () => { day = d; choose(); });
          grid.append(cell);
        }
        if (focusDay) grid.querySelector('.chosen').focus();
      }
      function shift(months_, focusDay = false) {
        const date = new Date(year, month + months_, 1);
        year = date.getFullYear();
        month = date.getMonth();
        draw(focusDay);
      }
      previous.addEventListener('click', () => shift(-1));
      next.addEventListener('click', () => shift(1));
      grid.addEventListener('keydown', (event) => {
        const steps = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -7, ArrowDown: 7 };
        if (event.key === 'Enter') {
          event.preventDefault();
          event.stopPropagation();
          choose();
        } else if (event.key === 'PageUp' || event.key === 'PageDown') {
          event.preventDefault();
          shift(event.key === 'PageUp' ? -1 : 1, true);
        } else if (event.key in steps) {
          event.preventDefault();
          const date = new Date(year, month, day + steps[event.key]);
          year = date.getFullYear(); month = date.getMonth(); day = date.getDate();
          draw(true);
        }
      });
      box.append(heading, grid, actionRow(choose));
      draw(false);
      setTimeout(() => { const chosen = grid.querySelector('.chosen'); if (chosen) chosen.focus(); });
      return box;
    }

    // The code lookup searches the table its field opened it with, by code or description.
    function coder(modal) {
      const box = pickerFrame('coder', 'Code lookup');
      const status = element('p', { class: 'coder-status', 'data-coder-status': '' });
      const search = element('input', { type: 'search', 'aria-label': 'Code or description', placeholder: 'Code or description', 'data-coder-search': '' });
      const results = element('select', { size: '12', class: 'coder-results', 'aria-label': 'Codes', 'data-coder-results': '' });
      let entries = [];
      let asked = 0;
      const choose = () => {
        const entry = entries[results.selectedIndex];
        if (entry) answer({ words: [entry[0], entry[1]] });
      };
      async function look() {
        const serial = ++asked;
        const found = await (await fetch(`${api}/coder?${new URLSearchParams({ q: search.value })}`)).json();
        if (serial !== asked || !found.entries) return;  // a newer search is on its way
        entries = found.entries;
        results.replaceChildren(...entries.map(([code, description]) => element('option', { 'data-code': code }, `${code}  ${description}`)));
        if (entries.length) results.selectedIndex = 0;
      }
      if (modal.status) {
        // The table offers nothing: the lookup says why and can only be closed.
        status.textContent = modal.status;
        search.disabled = true;
        results.disabled = true;
      } else {
        status.textContent = modal.table ? `${modal.table}: ${modal.entries} codes` : '';
        look();
      }
      search.addEventListener('input', look);
      search.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') { event.preventDefault(); choose(); }
        if (event.key === 'ArrowDown') { event.preventDefault(); results.focus(); }
      });
      results.addEventListener('dblclick', choose);
      results.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); choose(); } });
      box.append(status, search, results, actionRow(choose));
      setTimeout(() => (modal.status ? box.querySelector('[data-answer="cancel"]') : search).focus());
      return box;
    }

    // The dialogs of the creation masks. Each answers with the words the mask takes from it.

    function labelled(text, control) {
      const label = element('label', { class: 'form-field' });
      label.append(element('span', {}, text), control);
      return label;
    }

    function textInput(name, attributes = {}) {
      const input = element('input', { type: 'text', autocomplete: 'off', 'data-field': name, ...attributes });
      input.spellcheck = false;
      return input;
    }

    // A form and its error line. submit() (also the form's own submit) takes what collect() gives
    // to take(), or shows the text collect() throws to tell the agent what to correct.
    function collectingForm(attributes, collect, take) {
      const form = element('form', attributes);
      const fault = element('p', { class: 'form-fault', role: 'alert', 'data-form-fault': '' });
      const submit = () => {
        try {
          take(collect());
        } catch (problem) {
          fault.textContent = problem.message;
        }
      };
      form.addEventListener('submit', (event) => { event.preventDefault(); submit(); });
      return { form, fault, submit };
    }

    // A form dialog: its fields, an error line, OK and Cancel. collect() gives the answer's words
    // or throws the text that tells the agent what to correct.
    function formDialog(kind, title, fields, collect) {
      const box = pickerFrame(kind, title);
      const { form, fault, submit } = collectingForm({ class: 'dialog-form' }, collect, (words) => answer({ words }));
      form.append(...fields);
      // Enter in a field takes the form, as the dialog's default button.
      form.append(element('button', { type: 'submit', hidden: '' }));
      box.append(form, fault, actionRow(submit));
      setTimeout(() => { const first = form.querySelector('input, select'); if (first) first.focus(); });
      return box;
    }

    // The list text keeps "," between fields and "=" between entries: neither may be typed.
    function listField(value, what) {
      const text = value.trim().toUpperCase();
      if (/[,=]/.test(text)) throw new Error(`${what}: "," and "=" cannot be used.`);
      return text;
    }

    const kPassengerTypes = [['0', 'Adult'], ['1', 'Child'], ['2', 'Infant'], ['3', 'Others']];
    const kAddedPassengers = 9;

    // The add-passenger rows: up to nine travellers. collect() gives the nine profile markers and
    // the list text (entries separated by "=", fields by ",": surname, given name, title, type,
    // others code, age, dependant number, customer number), or throws what the agent must correct.
    function passengerTable() {
      const table = element('table', { class: 'addpax' });
      const head = element('tr');
      for (const name of ['', 'Surname', 'Given name', 'Title', 'Type', 'Others', 'Age', 'Dependant no.', 'Customer no.', 'Profile']) {
        head.append(element('th', { scope: 'col' }, name));
      }
      table.append(head);
      const rows = [];
      for (let index = 0; index < kAddedPassengers; index += 1) {
        const row = element('tr', { 'data-passenger': String(index + 1) });
        const cell = (control, label) => {
          control.setAttribute('aria-label', `${label} ${index + 1}`);
          const td = element('td');
          td.append(control);
          row.append(td);
          return control;
        };
        row.append(element('th', { scope: 'row' }, String(index + 1)));
        const fields = {
          surname: cell(textInput('surname', { maxlength: '30', class: 'upper' }), 'Surname'),
          given: cell(textInput('given', { maxlength: '30', class: 'upper' }), 'Given name'),
          title: cell(textInput('title', { maxlength: '5', size: '4', class: 'upper' }), 'Title'),
          type: cell(element('select', { 'data-field': 'type' }), 'Type'),
          others: cell(textInput('others', { maxlength: '3', size: '3', class: 'upper', disabled: '' }), 'Others code'),
          age: cell(textInput('age', { maxlength: '2', size: '2', inputmode: 'numeric', disabled: '' }), 'Age'),
          dependant: cell(textInput('dependant', { maxlength: '3', size: '3', inputmode: 'numeric' }), 'Dependant number'),
          customer: cell(textInput('customer', { maxlength: '20', size: '8', class: 'upper' }), 'Customer number'),
          marker: cell(element('input', { type: 'checkbox', 'data-field': 'marker' }), 'Profile'),
        };
        fields.type.append(...kPassengerTypes.map(([value, text]) => element('option', { value }, text)));
        fields.type.addEventListener('change', () => {
          const type = fields.type.value;
          fields.others.disabled = type !== '3';
          fields.age.disabled = type !== '1' && type !== '2';
          if (fields.others.disabled) fields.others.value = '';
          if (fields.age.disabled) fields.age.value = '';
        });
        rows.push(fields);
        table.append(row);
      }
      const collect = () => {
        const entries = [];
        let markers = '';
        rows.forEach((fields, index) => {
          const row = `Passenger ${index + 1}`;
          const surname = listField(fields.surname.value, row);
          const given = listField(fields.given.value, row);
          if (!surname && !given) return;
          if (!surname) throw new Error(`${row}: the surname is missing.`);
          const type = fields.type.value;
          const others = listField(fields.others.value, row);
          const age = fields.age.value.trim();
          if (type === '3' && !others) throw new Error(`${row}: give the passenger type code.`);
          if (age && !/^[0-9]{1,2}$/.test(age)) throw new Error(`${row}: the age is a number of up to two digits.`);
          const dependant = fields.dependant.value.trim();
          if (dependant && !/^[0-9]{1,3}$/.test(dependant)) throw new Error(`${row}: the dependant number is a number of up to three digits.`);
          entries.push([surname, given, listField(fields.title.value, row), type, others,
            age ? age.padStart(2, '0') : '', dependant, listField(fields.customer.value, row)].join(','));
          markers += fields.marker.checked ? '1' : '0';
        });
        return [markers.padEnd(kAddedPassengers, '0'), entries.join('=')];
      };
      return { table, collect };
    }

    // Add Passenger as a dialog of its own: the rows, OK and Cancel.
    function addPassengerDialog() {
      const { table, collect } = passengerTable();
      return formDialog('addpax', 'Add Passenger', [table], collect);
    }

    // The desktop's add-passenger control hosted in a dialog: the rows with Finish and Cancel,
    // which hand the list (or the cancel) to the control on the desk; the control then says it
    // has finished. Keys typed here are the form's own.
    function hostedAddPassengers(id) {
      const { table, collect } = passengerTable();
      const { form, fault } = collectingForm(
        { class: 'dialog-form hosted-addpax', 'data-hosted': 'AddPax', 'aria-label': 'Add Passenger' },
        collect, ([markers, list]) => {
          fault.textContent = '';
          act({ do: 'finish', control: id, markers, list });
        });
      const row = element('div', { class: 'buttons' });
      const finish = element('button', { type: 'submit', 'data-hosted-action': 'finish' }, 'Finish');
      const cancel = element('button', { type: 'button', 'data-hosted-action': 'cancel' }, 'Cancel');
      row.append(finish, cancel);
      cancel.addEventListener('click', () => {
        fault.textContent = '';
        act({ do: 'finish', control: id, cancelled: true });
      });
      form.addEventListener('keydown', (event) => event.stopPropagation());
      const all = element('fieldset', { class: 'hosted-fields' });
      all.append(table, fault, row);
      form.append(all);
      return form;
    }

    // A form dialog of two upper-case text fields, each [name, label]: it answers with both
    // values, and says `missing` while the first is empty.
    function twoFieldDialog(kind, title, [firstName, firstLabel], [secondName, secondLabel], missing) {
      const first = textInput(firstName, { maxlength: '30', class: 'upper' });
      const second = textInput(secondName, { maxlength: '30', class: 'upper' });
      return formDialog(kind, title, [labelled(firstLabel, first), labelled(secondLabel, second)], () => {
        const value = first.value.trim().toUpperCase();
        if (!value) throw new Error(missing);
        return [value, second.value.trim().toUpperCase()];
      });
    }

    // Travel Policy Record: the policy's two values.
    function policyDialog() {
      return twoFieldDialog('policy', 'Travel Policy Record', ['value1', 'Policy'], ['value2', 'Second value'],
        'The policy value is missing.');
    }

    // DOSS: the traveller chosen from the host's profiles, by surname and given name.
    function dossDialog() {
      return twoFieldDialog('doss', 'DOSS', ['surname', 'Surname'], ['given', 'Given name'], 'The surname is missing.');
    }

    // Frequent flyer: which of the traveller's cards is written; the answer is its index (0 for
    // the first card).
    function frequentFlyerDialog(modal) {
      const cards = Array.isArray(modal.cards) ? modal.cards : [];
      let choice;
      if (cards.length) {
        choice = element('select', { 'data-field': 'card' });
        choice.append(...cards.map((card, index) => element('option', { value: String(index) }, card)));
      } else {
        choice = element('input', { type: 'number', min: '1', value: '1', 'data-field': 'card' });
      }
      const lines = (Array.isArray(modal.lines) ? modal.lines : []).map((line) => element('p', { class: 'form-line' }, line));
      return formDialog('ffp', modal.caption || 'Frequent Flyer', [...lines, labelled(cards.length ? 'Card' : 'Card number', choice)], () => {
        const index = cards.length ? Number(choice.value) : Number(choice.value) - 1;
        if (!Number.isInteger(index) || index < 0) throw new Error('Choose one of the cards.');
        return [String(index)];
      });
    }

    function dialogFor(modal) {
      switch (modal.kind) {
        case 'msgbox': return messageBox(modal);
        case 'calendar': return calendar();
        case 'coder': return coder(modal);
        case 'addpax': return addPassengerDialog();
        case 'policy': return policyDialog();
        case 'doss': return dossDialog();
        case 'ffp': return frequentFlyerDialog(modal);
        default: {
          // A dialog of a kind this page does not know can only be cancelled.
          const box = pickerFrame(modal.kind, modal.kind);
          box.append(element('p', {}, 'This desk has no form for this dialog.'), actionRow(() => answer({ cancel: true })));
          return box;
        }
      }
    }

    function showModal(modal) {
      modalLayer.replaceChildren();
      modalLayer.hidden = !modal;
      dialogNode.inert = Boolean(modal);
      if (!modal) return;
      const box = dialogFor(modal);
      modalLayer.append(box);
      if (modal.kind === 'msgbox') box.querySelector('button').focus();
    }

    // For tests of the forms: shows a dialog of the kind without a mask waiting on it; the answer
    // the form gives resolves the promise instead of going to the desk.
    let answerSink = null;
    const showDialog = (kind, modal = {}) => new Promise((resolve) => {
      answerSink = (body) => { answerSink = null; showModal(null); resolve(body); };
      showModal({ ...modal, kind });
    });

    function renderModal(modal) {
      if (answerSink) return;
      const serial = modal ? modal.serial : null;
      if (serial === shownModal) return;
      shownModal = serial;
      showModal(modal);
    }

    // The preview line: what Send would do now, as the desk computed it on a hidden instance of
    // the mask. A fault marks its control; the cursor stays where the agent has it.
    let previewFault = null;
    const previewNews = root.querySelector('.preview-news');
    let copyPreview = root.querySelector('.copy-preview');
    let previewOutcome = null;

    // The preview speaks when its outcome changes (a command becomes possible, Send would stop
    // for another reason), not at every key that changes the command's text.
    function announcePreview(kind, text) {
      const outcome = kind === 'command' ? 'Send would send the command.' : text;
      if (outcome === previewOutcome) return;
      previewOutcome = outcome;
      previewNews.textContent = outcome || '';
    }

    function renderPreview(preview) {
      if (previewFault) previewFault.classList.remove('preview-fault');
      previewFault = null;
      previewNode.hidden = !preview || !showPreview.checked;
      copyPreview.hidden = true;
      previewNode.replaceChildren();
      delete previewNode.dataset.kind;
      previewNode.removeAttribute('title');
      // An outcome being computed anew is shown as such; one that Send itself gave says so.
      previewNode.classList.toggle('preview-pending', Boolean(preview?.pending));
      previewNode.setAttribute('aria-busy', preview?.pending ? 'true' : 'false');
      if (previewNode.hidden) {
        announcePreview(null, '');
        return;
      }
      const sent = Boolean(preview.sent);
      const say = (kind, label, text) => {
        previewNode.dataset.kind = kind;
        announcePreview(kind, `${label}${text ?? ''}`);
        previewNode.append(element('span', { class: 'preview-label' }, label));
        if (text === undefined) return;
        const shown = element('span', { class: 'preview-text' });
        shown.append(kind === 'command' || kind === 'request' ? hostCommands.nodes(text) : text);
        previewNode.append(shown);
        if (kind === 'command') {
          copyPreview.replaceWith(copyPreview = hostCommands.copyButton(text, prefix ? '' : 'copy-preview'));
          copyPreview.classList.add('copy-preview');
          copyPreview.hidden = false;
        }
      };
      if (preview.command !== undefined) {
        say('command', sent ? 'Send sent ' : 'Send sends ', preview.command);
      } else if (preview.fault) {
        say('fault', sent ? 'Send stopped: ' : 'Send stops: ', preview.fault.text);
        const control = controls.get(preview.fault.control);
        if (control) {
          previewFault = control.element;
          previewFault.classList.add('preview-fault');
        }
      } else if (preview.request !== undefined) {
        // The entry goes out first; the command follows once the host has answered it, as far as
        // the desk's host lets the hidden instance build it.
        if (/^%%JX AIT/.test(preview.request)) {
          say('request', 'asks the host for agent data, then sends ', preview.then ?? 'the command');
          previewNode.title = `Host entry first: ${preview.request}`;
        } else {
          say('request', 'Send first asks ', preview.request);
        }
      } else if (preview.error) {
        say('error', 'No preview: ', preview.error);
      } else {
        say('nothing', 'Send does nothing now.');
      }
    }


    // The desk's state, as it changes.

    function render(state) {
      // The dialog is drawn once its font is there, in the font's own measures.
      if (ended && !cancelled) return;
      if (!dialogFont.ready) {
        if (!waitingForFont) {
          waitingForFont = true;
          whenFontReady(() => { if (latest) render(latest); });
        }
        return;
      }
      const first = current === null;
      renderDialog(state.dialog);
      current = state;
      renderModal(state.modal);
      renderLog(state.log, first);
      renderHost(state.host);
      renderWhiteboard(state.whiteboard);
      renderPreview(state.preview);
      if (state.dialog && !state.modal && caughtUp()) applyFocus(state.dialog);
      if (state.dialog) keepFocus();
      root.dataset.version = String((Number(root.dataset.version) || 0) + 1);
      if (cancelled && !ended) closeCancelled();
    }

    // The keyboard, as the desktop's dialog manager has it. Tab and Shift+Tab go round the
    // dialog's tab stops (enabled, shown, marked as tab stops) in the dialog's order; when the
    // control with the focus is disabled or hidden, the focus goes on to the next tab stop; a box
    // or picker keeps the focus while it is open.

    // The element that takes the focus for a control: a hosted form's first field.
    function focusTarget(control) {
      if (control.hosted) return control.hosted.querySelector('input, select, button') || control.element;
      return control.input || control.element;
    }

    function isTabStop(control) {
      const state = control.state;
      if (!state || !state.tabstop || !state.visible || !state.enabled || dialogNode.inert) return false;
      if (current && current.dialog && !current.dialog.enabled) return false;
      const target = focusTarget(control);
      return !target.disabled && target.getClientRects().length > 0;
    }

    // The tab stops in the dialog's order.
    function tabStops() {
      const order = current && current.dialog ? current.dialog.controls.map((state) => state.id) : [...controls.keys()];
      return order.map((id) => controls.get(id)).filter((control) => control && isTabStop(control));
    }

    // The tab stop after (or before) the control with id, going round.
    function nextTabStop(id, backwards = false) {
      const stops = tabStops();
      if (!stops.length) return null;
      const order = current.dialog.controls.map((state) => state.id);
      const at = order.indexOf(id);
      const position = (control) => order.indexOf(control.state.id);
      if (backwards) return [...stops].reverse().find((control) => position(control) < at) || stops[stops.length - 1];
      return stops.find((control) => position(control) > at) || stops[0];
    }

    let focusedId = null;  // the control of the dialog that last had the focus in the page
    dialogNode.addEventListener('focusin', (event) => {
      const id = idOf(event.target);
      if (id !== null) focusedId = id;
    });

    // After the dialog changed: a focus on a control that can no longer take it goes on to the next
    // tab stop; a dialog that opens without a focused control takes the focus on its first tab
    // stop; a focus that fell to the page goes back to the dialog.
    function keepFocus() {
      if (shownModal || !modalLayer.hidden) return;
      const active = document.activeElement;
      const lost = !active || active === document.body;
      if (focusedId === null) {
        if (!lost) return;
        const [stop] = tabStops();
        if (stop) focusTarget(stop).focus();
        return;
      }
      if (!lost && !dialogNode.contains(active)) return;  // the agent is elsewhere on the page
      const control = controls.get(focusedId);
      const reachable = control && isTabStopOrFocusable(control);
      if (reachable && control.element.contains(active)) return;
      if (reachable && lost) {
        focusTarget(control).focus();
        return;
      }
      const next = nextTabStop(focusedId);
      if (next) focusTarget(next).focus();
    }

    // A control the agent may keep the focus in: shown and enabled (a tab stop or not).
    function isTabStopOrFocusable(control) {
      const state = control.state;
      const target = focusTarget(control);
      return Boolean(state && state.visible && state.enabled && !target.disabled && target.getClientRects().length > 0);
    }

    // The focusable elements of an open box or picker, in order.
    function modalStops() {
      return [...modalLayer.querySelectorAll('button, input, select, textarea, [tabindex]')]
        .filter((node) => !node.disabled && node.tabIndex >= 0 && node.getClientRects().length > 0);
    }

    root.addEventListener('keydown', (event) => {
      if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
      if (!modalLayer.hidden) {
        // The focus stays in the box.
        const stops = modalStops();
        if (!stops.length) return;
        event.preventDefault();
        const at = stops.indexOf(document.activeElement);
        const next = event.shiftKey ? (at <= 0 ? stops.length - 1 : at - 1) : (at + 1) % stops.length;
        stops[next].focus();
        return;
      }
      const id = idOf(event.target);
      if (id === null || !dialogNode.contains(event.target) || event.target.closest('.hosted-form')) return;
      const next = nextTabStop(id, event.shiftKey);
      if (!next) return;
      event.preventDefault();
      focusTarget(next).focus();
    });

    // The focus that leaves an open box for the page comes back to it.
    root.addEventListener('focusin', (event) => {
      if (modalLayer.hidden || modalLayer.contains(event.target)) return;
      const [first] = modalStops();
      if (first) first.focus();
    });

    // A combo box's list, opened from the keyboard (Alt+Down, F4): the arrows move in it, Enter
    // chooses, Escape closes it.
    let openList = null;  // { control, list, index }

    function closeComboList() {
      if (!openList) return;
      openList.list.remove();
      focusTarget(openList.control).setAttribute('aria-expanded', 'false');
      openList = null;
    }

    function openComboList(control) {
      closeComboList();
      const state = control.state;
      if (!state || !state.items || !state.items.length) return;
      const list = element('ul', { role: 'listbox', class: 'combo-popup', id: `${prefix}list-${state.id}`, 'data-combo-list': String(state.id) });
      state.items.forEach((text, index) => {
        const option = element('li', { role: 'option', id: `list-${state.id}-${index}`, 'data-index': String(index) }, text);
        option.addEventListener('mousedown', (event) => { event.preventDefault(); chooseFromList(index); });
        list.append(option);
      });
      const box = control.element;
      list.style.left = box.style.left;
      list.style.top = px(box.offsetTop + box.offsetHeight);
      list.style.minWidth = box.style.width;
      dialogNode.append(list);
      openList = { control, list, index: Math.max(0, state.selected) };
      const input = focusTarget(control);
      input.setAttribute('aria-expanded', 'true');
      input.setAttribute('aria-controls', list.id);
      markListChoice();
    }

    function markListChoice() {
      const { list, index, control } = openList;
      for (const option of list.children) option.setAttribute('aria-selected', String(Number(option.dataset.index) === index));
      focusTarget(control).setAttribute('aria-activedescendant', `${list.id}-${index}`);
      list.children[index]?.scrollIntoView({ block: 'nearest' });
    }

    function chooseFromList(index) {
      const { control } = openList;
      closeComboList();
      focusTarget(control).removeAttribute('aria-activedescendant');
      act({ do: 'choose', control: control.state.id, index });
    }

    dialogNode.addEventListener('keydown', (event) => {
      const id = idOf(event.target);
      const control = id === null ? null : controls.get(id);
      if (!control || control.kind !== 'combo') return;
      const opens = event.key === 'F4' || (event.altKey && event.key === 'ArrowDown');
      if (focusTarget(control).tagName === 'SELECT') {
        if (!opens) return;
        event.preventDefault();
        try { focusTarget(control).showPicker(); } catch (error) { /* not without the agent's gesture */ }
        return;
      }
      if (openList && openList.control === control) {
        const count = openList.list.children.length;
        const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: 8, PageUp: -8 };
        if (event.key in moves && !event.altKey) {
          openList.index = Math.min(count - 1, Math.max(0, openList.index + moves[event.key]));
          markListChoice();
        } else if (event.key === 'Enter') {
          chooseFromList(openList.index);
        } else if (event.key === 'Escape' || opens || (event.altKey && event.key === 'ArrowUp')) {
          closeComboList();
        } else {
          if (event.key === 'Tab') closeComboList();
          return;
        }
        event.preventDefault();
        event.stopPropagation();
      } else if (opens) {
        event.preventDefault();
        openComboList(control);
      }
    }, true);
    dialogNode.addEventListener('focusout', () => setTimeout(() => {
      if (openList && !openList.control.element.contains(document.activeElement)) closeComboList();
    }));

    root.addEventListener('keydown', (event) => {
      if (shownModal || !modalLayer.hidden) return;
      // The desk's own controls around a panel (its close button) keep their keys.
      if (event.target.closest && event.target.closest('[data-panel-chrome]')) return;
      const id = idOf(event.target);
      const control = id === null ? null : { control: id };
      let key = null;
      if (event.key === 'Enter' && !event.altKey) key = 'Enter';
      else if (event.key === 'ArrowUp' && event.altKey) key = 'Alt+Up';
      else if (event.key === 'F1') key = 'F1';
      else if (event.key === 'Escape') key = 'Escape';
      else if (event.key === ' ' && id !== null && controls.get(id) && controls.get(id).kind === 'static') key = 'Space';
      if (!key) return;
      event.preventDefault();
      act({ do: 'key', key, ...control });
    });

    function stateArrived(state, version) {
      if (ended) return;
      connection.textContent = '';
      latest = state;
      latestVersion = version || latestVersion;
      showBusy();
      render(latest);
    }

    // The page is done with the instance: it stops watching it and releases it (release), or
    // only forgets it (the desk closed it already).
    function end(release) {
      if (ended) return;
      ended = true;
      closeComboList();
      socket.end(release ? 'release' : 'forget');
      dialogNode.inert = true;
    }

    // The desk closed the instance, or holds it no more: the page shows why (see onClosed).
    function maskClosed(reason, text) {
      if (ended) return;
      end(false);
      connection.textContent = text;
      if (options.onClosed) options.onClosed(reason);
    }

    // The mask fired Cancel, as its Cancel button does: the desk closes it, as the desktop closes
    // a mask that cancels, once the page shows what the mask did last.
    function closeCancelled() {
      end(true);
      connection.textContent = 'The mask was cancelled and closed.';
      if (options.onClosed) options.onClosed('cancelled');
    }

    // The focus goes back into the mask (its panel is shown again): into its open box, else to
    // the control that last had it, else to the desk's focus or the first tab stop.
    function focusMask() {
      if (!modalLayer.hidden) {
        const [first] = modalStops();
        if (first) first.focus();
        return;
      }
      const last = focusedId !== null ? controls.get(focusedId) : null;
      if (last && isTabStopOrFocusable(last)) {
        focusTarget(last).focus();
        return;
      }
      const desks = current && current.dialog && current.dialog.focus !== null ? controls.get(current.dialog.focus) : null;
      if (desks && isTabStopOrFocusable(desks)) {
        focusTarget(desks).focus();
        return;
      }
      const [stop] = tabStops();
      if (stop) focusTarget(stop).focus();
    }

    return {
      instance, className, root, showDialog, focus: focusMask,
      // The preview switch changed.
      showPreview: () => renderPreview(current && current.preview),
      // Releases the instance now (its panel or page goes).
      release: () => end(true),
      get ended() { return ended; },
    };
  }

  return { mount, dialogFont };
})();
