// Runs in headless Chromium once every picture of the page and the framed index page have loaded
// (the load event waits for all of them).  Each picture is drawn at its own size in the top left
// corner of a white window-sized canvas, as the browser shows the picture opened on its own, and
// the dark and light pixels are counted: a drawing has enough dark ones on a mostly light page.
// The index page must show all of its pictures.  The verdicts replace the page's text, which
// --dump-dom prints.
'use strict';

const WINDOW_WIDTH = 1120;
const WINDOW_HEIGHT = 850;
const DARK_LEVEL = 100;
const LIGHT_LEVEL = 200;
const LEAST_DARK_PIXELS = 200;

function pictureVerdict(img) {
  const name = img.getAttribute('src');
  if (!img.complete || img.naturalWidth === 0) return `${name}: broken: the browser cannot draw it`;
  const canvas = document.createElement('canvas');
  canvas.width = WINDOW_WIDTH;
  canvas.height = WINDOW_HEIGHT;
  const context = canvas.getContext('2d');
  context.fillStyle = '#fff';
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.drawImage(img, 0, 0);
  const rgba = context.getImageData(0, 0, canvas.width, canvas.height).data;
  let dark = 0;
  let light = 0;
  for (let i = 0; i < rgba.length; i += 4) {
    const level = (rgba[i] + rgba[i + 1] + rgba[i + 2]) / 3;
    if (level < DARK_LEVEL) ++dark;
    else if (level > LIGHT_LEVEL) ++light;
  }
  const total = canvas.width * canvas.height;
  const counts = `${img.naturalWidth}x${img.naturalHeight}: ${dark} dark and ${light} light pixels`;
  const blank = dark < LEAST_DARK_PIXELS || light < total / 2;
  return `${name}: ${blank ? 'blank' : 'drawn'}: ${counts}`;
}

function indexVerdict(frame) {
  const name = frame.getAttribute('src');
  const page = frame.contentDocument;
  if (!page || !page.title) return `${name}: broken: no page`;
  const images = [...page.images];
  const shown = images.filter(img => img.complete && img.naturalWidth > 0).length;
  const whole = images.length > 0 && shown === images.length;
  return `${name}: ${whole ? 'drawn' : 'broken'}: ${shown} of ${images.length} pictures shown`;
}

window.addEventListener('load', () => {
  const verdicts = [...document.images].map(pictureVerdict);
  verdicts.push(...[...document.querySelectorAll('iframe')].map(indexVerdict));
  document.body.textContent = `\nVERDICTS\n${verdicts.join('\n')}\nEND\n`;
});
