// The web edition's window. The game itself runs in tictactoe.wasm; this page draws what the
// game reports, and hands the game the player's events, the clock's alarm and the closing of
// each message box, one at a time, in the order they came (main.cpp takes the same numbers).
// The build puts this script at the head of tictactoe.js, before the game's own part (so it
// says nothing of strict mode for the whole file; its classes are strict anyway).

const Events = { NewGameClick: 10, GetFocasClick: 11, Alarm: 12, BoxClosed: 13 }; // 1-9: squares

// The time the game's timers run on: the page's own clock, with one alarm. A test may ask for a
// clock that it moves on by hand (?clock=manual, on a loopback address), so that nothing waits
// on real time.
class RealClock {
  constructor(ring) { this.ring = ring; this.timer = 0; }
  now() { return performance.now(); }
  setAlarm(when) {
    clearTimeout(this.timer);
    this.timer = 0;
    // Rounded up to whole milliseconds; the game keeps the exact deadlines.
    if (when >= 0) this.timer = setTimeout(() => { this.timer = 0; this.ring(); }, Math.max(0, Math.ceil(when - this.now())));
  }
}

class ManualClock {
  // Whole microseconds, as the game counts, so that moving on by parts of a millisecond adds up.
  constructor(ring) { this.ring = ring; this.micros = 0; this.alarm = -1; }
  now() { return this.micros / 1000; }
  setAlarm(when) { this.alarm = when < 0 ? -1 : Math.round(when * 1000); }
  // Moves on by ms, ringing the alarm at each moment it is due, and waits for the game each time.
  async advance(ms, page) {
    const end = this.micros + Math.round(ms * 1000);
    while (this.alarm >= 0 && this.alarm <= end) {
      this.micros = Math.max(this.micros, this.alarm);
      this.alarm = -1;
      this.ring();
      await page.idle();
    }
    this.micros = end;
  }
}

// A window inside the page: shown modeless, brought forward when shown again, moved by its
// title bar, closed by its close box.
class PageWindow {
  constructor(element, fit) {
    this.element = element;
    this.fit = fit;
    element.querySelector('.close').addEventListener('click', () => this.close());
    const bar = element.querySelector('.titlebar');
    bar.addEventListener('pointerdown', (e) => {
      if (e.target !== bar && e.target.parentElement !== bar) return;
      const start = { x: e.clientX - element.offsetLeft, y: e.clientY - element.offsetTop };
      bar.setPointerCapture(e.pointerId);
      const move = (m) => {
        element.style.left = `${m.clientX - start.x}px`;
        element.style.top = `${m.clientY - start.y}px`;
      };
      bar.addEventListener('pointermove', move);
      bar.addEventListener('pointerup', () => bar.removeEventListener('pointermove', move), { once: true });
    });
    element.addEventListener('pointerdown', () => this.raise(), true);
  }
  get open() { return !this.element.hidden; }
  // Shown again while open, it comes forward with the focus, as a window asked to show does.
  show(focus) {
    this.element.hidden = false;
    this.fit(this.element);
    this.raise();
    if (!this.element.contains(document.activeElement)) focus.focus();
  }
  raise() { this.element.style.zIndex = String(++PageWindow.top); }
  close() {
    if (!this.open) return;
    this.element.hidden = true;
    if (!document.activeElement || document.activeElement === document.body) $('cmdNewGame').focus();
  }
}
PageWindow.top = 1;

class Page {
  constructor() {
    // The tests' clock, only where they serve the page: on this machine's own address. A link
    // to the game elsewhere that carries it does not freeze the game.
    const loopback = /^(127(\.\d+){3}|localhost|\[::1\])$/.test(location.hostname);
    const manual = loopback && new URLSearchParams(location.search).get('clock') === 'manual';
    const ring = () => this.post(Events.Alarm);
    this.clock = manual ? new ManualClock(ring) : new RealClock(ring);
    this.queue = [];
    this.waiting = null;    // resolves the game's wait for its next event
    this.idleWaiters = [];
    this.boxes = [];        // the open message boxes, the last on top
    this.beeps = 0;
    this.announcements = 0;
    // Square 1 to 9, by the numbers the game draws them with (written into the page).
    this.squares = [...document.querySelectorAll('[data-square]')].sort((a, b) => a.dataset.square - b.dataset.square);
    this.about = new PageWindow($('frmAbout'), fitWindow);
    this.sysInfo = new PageWindow($('frmSysInfo'), fitWindow);
    this.connect();
    this.takeEarlyInput();
  }

  // ---- the windows on the screen ----

  fitAll() { fitWindows([$('frmMain'), $('frmAbout'), $('frmSysInfo'), ...this.boxes]); }
  // ---- what the game calls (main.cpp) ----

  nextEvent() {
    if (this.queue.length) return Promise.resolve(this.queue.shift());
    return new Promise((resolve) => {
      this.waiting = resolve;
      this.becameIdle();
    });
  }
  now() { return this.clock.now(); }
  setAlarm(when) { this.clock.setAlarm(when); }
  // A short tone; a page that cannot make a sound (none to be had, or not allowed yet) goes on
  // silently, and no promise of the sound's is left to fail.
  beep() {
    ++this.beeps;
    const quiet = () => {};
    try {
      const audio = this.audio || (this.audio = new AudioContext());
      audio.resume().catch(quiet);
      const tone = audio.createOscillator();
      const volume = audio.createGain();
      tone.type = 'square';
      tone.frequency.value = 800;
      volume.gain.value = 0.05;
      tone.connect(volume).connect(audio.destination);
      tone.onended = () => audio.suspend().catch(quiet); // the sound card sleeps again at rest
      tone.start();
      tone.stop(audio.currentTime + 0.12);
    } catch (e) {
      quiet(e);
    }
  }
  drawSquare(square, picture, enabled, name) {
    const button = this.squares[square - 1];
    button.firstElementChild.dataset.artwork = picture && `${picture}.bmp`;
    paintPicture(button.firstElementChild);
    button.disabled = !enabled;
    button.setAttribute('aria-label', name);
  }
  drawStatus(text, color) {
    const status = $('lblStatus');
    status.value = text;
    status.style.background = color;
  }
  // Each message is a new node of the live region, so that the same words are heard again.
  announce(message) {
    const line = document.createElement('p');
    line.textContent = message;
    $('announcements').replaceChildren(line);
    ++this.announcements;
  }
  drawList(id, items) {
    const list = $(id);
    const texts = items.split('\n').slice(0, -1);
    // A move adds its one item and New Game empties the list: the player's selection and
    // scroll position survive the next move.
    if (list.options.length > texts.length) list.replaceChildren();
    for (let row = list.options.length; row < texts.length; ++row) list.add(new Option(texts[row]));
  }
  openBox(prompt, title, icon) {
    const box = $('msgBoxTemplate').content.firstElementChild.cloneNode(true);
    box.querySelector('.titlebar').textContent = title;
    box.setAttribute('aria-label', title);
    box.querySelector('.prompt').textContent = prompt;
    box.querySelector('.icon').classList.add(['', 'information', 'critical'][icon]);
    box.addEventListener('close', () => {
      box.remove();
      this.boxes.pop();
      this.post(Events.BoxClosed);
    });
    document.body.append(box);
    this.boxes.push(box);
    box.showModal();
    // Over the middle of the game's window, as a message box opens over its owner.
    const game = $('frmMain').getBoundingClientRect();
    box.style.margin = '0';
    box.style.left = `${Math.max(0, game.left + (game.width - box.offsetWidth) / 2)}px`;
    box.style.top = `${Math.max(0, game.top + (game.height - box.offsetHeight) / 2)}px`;
    fitWindow(box);
    box.querySelector('button').focus();
  }
  // ---- what the page hands the game ----

  post(event) {
    if (this.waiting) {
      const resolve = this.waiting;
      this.waiting = null;
      resolve(event);
    } else {
      this.queue.push(event);
    }
  }
  get modal() { return this.boxes.length > 0; }

  // Resolves once the game has handled everything posted so far and waits for more.
  idle() {
    if (this.waiting && !this.queue.length) return Promise.resolve();
    return new Promise((resolve) => this.idleWaiters.push(resolve));
  }
  becameIdle() {
    if (!this.ready) {
      this.ready = true;
      this.fitAll(); // the other windows' pictures too, now that the game's are in
      $('frmMain').removeAttribute('aria-busy');
      performance.mark('playable');
      // Only now the service worker starts keeping its copies: during the first visit the
      // page's own files come first.
      if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js', { scope: './' }).catch(() => {});
    }
    for (const resolve of this.idleWaiters.splice(0)) resolve();
  }
  // Moves a manual clock on (tests only).
  advance(ms) { return this.clock.advance(ms, this); }

  connect() {
    document.querySelectorAll('.square').forEach((square) => {
      square.addEventListener('click', () => this.post(this.squares.indexOf(square) + 1));
    });
    $('cmdNewGame').addEventListener('click', () => this.post(Events.NewGameClick));
    $('GetFocas').addEventListener('click', () => this.post(Events.GetFocasClick));
    $('cmdAbout').addEventListener('click', () => this.about.show($('Command1')));
    $('Command1').addEventListener('click', () => this.about.close());
    $('Command2').addEventListener('click', () => this.showSysInfo());
    $('frmSysInfo').querySelector('.push').addEventListener('click', () => this.sysInfo.close());

    // The focus sink: a press on the status box, the headings or the back panel, or a click
    // on the side panel, parks the focus on the hidden button.
    const sink = (e) => { e.preventDefault(); $('GetFocas').focus(); };
    for (const id of ['lblStatus', 'Text1', 'Text2', 'Text3']) $(id).addEventListener('mousedown', sink);
    $('Picture11').addEventListener('mousedown', (e) => { if (e.target === e.currentTarget) sink(e); });
    $('Picture1').addEventListener('click', (e) => { if (e.target === e.currentTarget) sink(e); });

    document.addEventListener('keydown', (e) => this.key(e));
    // Turned, resized, or moved to a screen of another density: every window fits afresh.
    const refit = () => this.fitAll();
    addEventListener('resize', refit);
    coarsePointer.addEventListener('change', refit);
    const density = () => matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => {
      refit();
      density();
    }, { once: true });
    density();
  }

  // The clicks and keys that came before this script had run (start.js kept them) are handed
  // on now, in order, as if they came now; from here on the page's own handlers take them.
  takeEarlyInput() {
    removeEventListener('click', keepEarly, true);
    removeEventListener('keydown', keepEarly, true);
    for (const e of earlyInput.splice(0)) {
      if (e.type === 'click') e.target.click();
      else e.target.dispatchEvent(new KeyboardEvent('keydown', e));
    }
  }

  key(e) {
    if (this.modal) return; // the box is modal: its own keys only
    const inAbout = $('frmAbout').contains(e.target);
    const inSysInfo = $('frmSysInfo').contains(e.target);
    const press = (id) => { e.preventDefault(); $(id).click(); };
    // The design's access keys (aria-keyshortcuts) of the window the key is pressed in, by the
    // letter the key types on the player's layout (AZERTY, QWERTZ, Dvorak...). Where it types
    // no plain letter (on a Mac, Option+N is a dead key and Option+A types "å"), by the key's
    // place, which names the letter on a US layout.
    if (e.altKey && !e.ctrlKey && !e.metaKey) {
      const letter = /^[a-z]$/i.test(e.key) ? e.key.toUpperCase() : e.code.replace(/^Key/, '');
      const window = inAbout ? $('frmAbout') : inSysInfo ? null : $('frmMain');
      const button = window && window.querySelector(`[aria-keyshortcuts="Alt+${letter}"]`);
      if (button) press(button.id);
      return;
    }
    if (e.ctrlKey || e.metaKey) return;
    // Enter presses the focused button once: a held key does not start game after game.
    if (e.key === 'Enter' && e.target instanceof HTMLButtonElement) {
      e.preventDefault();
      if (!e.repeat) e.target.click();
      return;
    }
    if (inAbout || inSysInfo) return;
    // The digits 1 to 9, on the top row or the keypad, mark their square as a click would.
    if (/^[1-9]$/.test(e.key)) {
      e.preventDefault();
      this.post(Number(e.key));
      return;
    }
    // The arrows move between the squares by rows and columns, and stop at the board's edge.
    const index = this.squares.indexOf(e.target);
    if (index < 0) return;
    const row = Math.floor(index / 3), column = index % 3;
    const to = { ArrowLeft: column > 0 ? index - 1 : index, ArrowRight: column < 2 ? index + 1 : index,
      ArrowUp: row > 0 ? index - 3 : index, ArrowDown: row < 2 ? index + 3 : index }[e.key];
    if (to === undefined) return;
    e.preventDefault();
    this.squares[to].focus();
  }

  // A page can start no program: the system information is a small window of its own.
  showSysInfo() {
    const data = navigator.userAgentData;
    const browser = data && data.brands.length
      ? data.brands.filter((b) => !/Not.A.Brand/i.test(b.brand)).map((b) => `${b.brand} ${b.version}`).join(', ')
      : navigator.userAgent;
    const system = (data && data.platform) || navigator.platform || 'unknown';
    const lines = [['Browser', browser], ['Language', navigator.language],
      ['Screen', `${screen.width} \u00d7 ${screen.height}, ratio ${window.devicePixelRatio}`]];
    const text = $('sysInfoText');
    const heading = document.createElement('b');
    heading.textContent = system;
    text.replaceChildren(heading);
    for (const [label, value] of lines) text.append(document.createElement('br'), `${label}: ${value}`);
    this.sysInfo.show($('frmSysInfo').querySelector('.push'));
  }
}

// The game's module finds the page here, and the game's code as start.js compiled it; start.js
// reports should the game stop.
var Module = {
  page: new Page(),
  onAbort: stopped,
  instantiateWasm(imports, receive) {
    gameCode.then((code) => receive(new WebAssembly.Instance(code, imports), code));
    return {};
  },
};
