// The web edition's window. The game itself runs in tictactoe.wasm; this page draws what the
// game reports, and hands the game the player's events, the clock's alarm and the closing of
// each message box, one at a time, in the order they came (main.cpp takes the same numbers).
'use strict';

const Events = { NewGameClick: 10, GetFocasClick: 11, Alarm: 12, BoxClosed: 13 }; // 1-9: squares

const $ = (id) => document.getElementById(id);

// The time the game's timers run on: the page's own clock, with one alarm. A test may ask for a
// clock that it moves on by hand (?clock=manual), so that nothing waits on real time.
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
  constructor(element) {
    this.element = element;
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
    const manual = new URLSearchParams(location.search).get('clock') === 'manual';
    const ring = () => this.post(Events.Alarm);
    this.clock = manual ? new ManualClock(ring) : new RealClock(ring);
    this.queue = [];
    this.waiting = null;    // resolves the game's wait for its next event
    this.idleWaiters = [];
    this.boxes = [];        // the open message boxes, the last on top
    this.beeps = 0;
    this.announcements = 0;
    this.squares = [...document.querySelectorAll('.square')]; // square 1 to 9, row by row
    this.about = new PageWindow($('frmAbout'));
    this.sysInfo = new PageWindow($('frmSysInfo'));
    this.connect();
  }

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
  beep() {
    ++this.beeps;
    try {
      const audio = this.audio || (this.audio = new AudioContext());
      audio.resume();
      const tone = audio.createOscillator();
      const volume = audio.createGain();
      tone.type = 'square';
      tone.frequency.value = 800;
      volume.gain.value = 0.05;
      tone.connect(volume).connect(audio.destination);
      tone.onended = () => audio.suspend(); // the sound card sleeps again at rest
      tone.start();
      tone.stop(audio.currentTime + 0.12);
    } catch (e) {
      // A page without sound goes on silently.
    }
  }
  drawSquare(id, picture, enabled, name) {
    const button = $(id);
    const image = button.firstElementChild;
    if (picture) {
      image.srcset = `artwork/${picture}.bmp, artwork/${picture}@1.5x.png 1.5x, artwork/${picture}@2x.png 2x, artwork/${picture}@3x.png 3x`;
      image.src = `artwork/${picture}.bmp`;
    } else {
      image.removeAttribute('srcset');
      image.removeAttribute('src');
    }
    button.disabled = !enabled;
    button.setAttribute('aria-label', name);
  }
  drawStatus(text, color) {
    const status = $('lblStatus');
    status.value = text;
    status.style.background = color;
  }
  setColor(name, color) { document.documentElement.style.setProperty(name, color); }
  setControlColors(id, back, fore) {
    $(id).style.background = back;
    $(id).style.color = fore;
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
      $('frmMain').removeAttribute('aria-busy'); // drawn: it shows, and takes the focus as the window opens
      $('cmdNewGame').focus();
      performance.mark('playable');
    }
    for (const resolve of this.idleWaiters.splice(0)) resolve();
  }
  // Moves a manual clock on (tests only).
  advance(ms) { return this.clock.advance(ms, this); }

  connect() {
    this.squares.forEach((square, index) => {
      square.addEventListener('click', () => this.post(index + 1));
      // A click leaves the focus where it was; only Tab brings it to a square.
      square.addEventListener('mousedown', (e) => e.preventDefault());
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
  }

  key(e) {
    if (this.modal) return; // the box is modal: its own keys only
    const inAbout = $('frmAbout').contains(e.target);
    const inSysInfo = $('frmSysInfo').contains(e.target);
    const press = (id) => { e.preventDefault(); $(id).click(); };
    if (e.altKey && !e.ctrlKey && !e.metaKey) {
      const letter = e.key.toLowerCase();
      if (inAbout && letter === 's') press('Command2');
      else if (!inAbout && !inSysInfo && letter === 'n') press('cmdNewGame');
      else if (!inAbout && !inSysInfo && letter === 'a') press('cmdAbout');
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

// Should the game fail to load or stop (a browser without WebAssembly, a file that could
// not be fetched), the page says so instead of showing a board that does nothing.
function stopped(what) {
  const failure = $('failure');
  if (!failure.hidden) return;
  failure.textContent = `The game has stopped: ${what}. Reload the page to play again.`;
  failure.hidden = false;
}
window.addEventListener('error', (e) => {
  if (e.target instanceof HTMLScriptElement) stopped(`${e.target.src} could not be loaded`);
  else if (e.error) stopped(e.message);
}, true);
window.addEventListener('unhandledrejection', (e) => stopped((e.reason && e.reason.message) || String(e.reason)));

// The game's module finds the page here.
var Module = { page: new Page(), onAbort: stopped };

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('sw.js').catch(() => {}); // the game plays without it
}
