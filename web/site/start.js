// The page's first script, written into the page after its windows, so that it runs before
// anything is painted. It shows the main window as it will play: fitted to a touch screen, with
// its pictures for the screen's density and the focus on New Game. It keeps the player's clicks
// and keys until the game has loaded (page.js then takes them over), so that none is lost; it
// compiles the game's WebAssembly as it arrives; and should the game not start, or stop, it says
// why in the page's alert, which screen readers speak, instead of leaving a board that does
// nothing.
'use strict';

const $ = (id) => document.getElementById(id);

// Told once; the first cause is the one to tell.
let told = false;
function tell(text) {
  if (told) return;
  told = true;
  $('failure').textContent = text;
  $('failure').hidden = false;
  $('frmMain').hidden = true;
}

function stopped(what) {
  tell(`The game has stopped: ${what}. Reload the page to play again.`);
}

// A script that cannot be fetched fires its error at the element; every other error and
// failed promise comes to the window.
addEventListener('error', (e) => {
  if (e.target instanceof HTMLScriptElement) stopped(`${e.target.src} could not be loaded`);
  else if (e.error) stopped(e.message);
}, true);
addEventListener('unhandledrejection', (e) => stopped((e.reason && e.reason.message) || String(e.reason)));

// ---- the windows on the screen ----

// Where the pointer is coarse (phones, tablets), every window is scaled to the largest size that
// fits the screen, this far from its edges; with a mouse each keeps its design size.
const kMargin = 8;
const coarsePointer = matchMedia('(pointer: coarse)');
// The screen ratios the artwork is drawn for (artwork.h).
const artworkRatios = $('frmMain').dataset.artworkRatios.split(' ');

// Scales a window to fit a touch screen, centred on it, or shows it at its design size where
// the design puts it; then draws its pictures for the device pixels that it covers.
function fitWindow(element) {
  let scale = 1;
  element.style.transform = '';
  if (coarsePointer.matches && !element.hidden) {
    const width = element.offsetWidth, height = element.offsetHeight;
    // The room inside the margins; a screen smaller than its margins gives up half of them.
    const room = (extent) => Math.max(extent - 2 * kMargin, extent / 2, 1);
    scale = Math.min(room(innerWidth) / width, room(innerHeight) / height);
    element.style.transform = `scale(${scale})`;
    element.style.left = `${(innerWidth - width * scale) / 2}px`;
    element.style.top = `${(innerHeight - height * scale) / 2}px`;
  }
  element.scale = scale;
  for (const image of element.querySelectorAll('img[data-artwork]')) paintPicture(image);
}

// The artwork's picture (NAME.EXT) drawn for this many device pixels to the design's pixel: the
// design's own at 1, a variant drawn for the nearest ratio at or above it beyond that.
function pictureFile(picture, ratio) {
  const [name, extension] = picture.split('.');
  const drawn = artworkRatios.find((r) => Number(r) >= ratio - 0.01) || artworkRatios.at(-1);
  return [drawn === '1' ? `artwork/${name}.${extension}?v=@BUILD@` : `artwork/${name}@${drawn}x.png?v=@BUILD@`, drawn];
}

// The picture drawn for the ratio of the screen times the window's scale, so that it stays sharp.
function paintPicture(image) {
  if (!image.dataset.artwork) {
    image.removeAttribute('srcset');
    return;
  }
  const [file, drawn] = pictureFile(image.dataset.artwork, devicePixelRatio * (image.closest('[id^=frm], .msgbox').scale || 1));
  image.srcset = `${file} ${drawn}x`;
}

// Fits each of these windows afresh, and the page's look to the kind of pointer.
function fitWindows(elements) {
  document.documentElement.classList.toggle('touch', coarsePointer.matches);
  for (const element of elements) fitWindow(element);
}

fitWindows([$('frmMain')]);
$('cmdNewGame').focus();

// The marks' pictures are fetched now, for the board as it is drawn, and kept: a placed mark
// shows in the frame of its move.
const markPictures = $('frmMain').dataset.markPictures.split(' ').map((picture) => {
  const image = new Image();
  image.src = pictureFile(picture, devicePixelRatio * $('frmMain').scale)[0];
  return image;
});

// ---- the player, before the game has loaded ----

// Every click, and every key the page acts on, is kept until the game's page takes them over,
// in the order they came. Such a key does nothing now (Enter on a button would also click it,
// and be taken twice); Tab moves the focus as ever.
const earlyInput = [];
function keepEarly(e) {
  const on = e.target;
  if (e.type === 'keydown') {
    const acted = !e.ctrlKey && !e.metaKey && (e.altKey ? /^Key[A-Z]$/.test(e.code) || /^[a-z]$/i.test(e.key)
      : /^[1-9]$/.test(e.key) || (e.key === 'Enter' && on instanceof HTMLButtonElement)
        || (/^Arrow/.test(e.key) && on.classList.contains('square')));
    if (!acted) return;
    e.preventDefault();
  }
  earlyInput.push(e);
}
addEventListener('click', keepEarly, true);
addEventListener('keydown', keepEarly, true);
// A press on a square leaves the focus where it was.
addEventListener('mousedown', (e) => { if (e.target.closest('.square')) e.preventDefault(); }, true);

// ---- the game's code ----

if (location.protocol === 'file:') {
  tell('The game cannot start from a file: a browser runs it only from a web server. Serve its folder, '
    + 'for example with scripts/web, and open the address that it gives.');
} else if (typeof WebAssembly !== 'object') {
  tell('The game cannot start: this browser does not run WebAssembly.');
} else {
  // The game's WebAssembly is compiled as it arrives, while the game's script is fetched.
  var gameCode = (WebAssembly.compileStreaming
    ? WebAssembly.compileStreaming(fetch('tictactoe.wasm?v=@BUILD@'))
    : fetch('tictactoe.wasm?v=@BUILD@').then((r) => r.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
  // Said here, where it fails: a page served sandboxed (without an origin of its own) hears of
  // no failed promise of its scripts, and may fetch none of its files.
  gameCode.catch((error) => stopped(`its WebAssembly could not be loaded (${error.message})`
    + (self.origin === 'null' ? ', as the page is served sandboxed, without an origin of its own' : '')));
}
