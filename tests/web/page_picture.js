// The README's pictures of the page: the turned and moved ellipse opened from its link in
// headless chromium, the first screen of a phone (390 x 844 CSS pixels, with touch, at a pixel
// ratio of 2 to keep the file small) or of a laptop (1366 x 768), saved as a PNG.
//
//   node page_picture.js PAGE_FOLDER PICTURE phone|laptop
'use strict';

const {withBrowser, waitForRed} = require('./browser');

const [pageFolder, picture, device] = process.argv.slice(2);
const screens = {
  phone: {width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true},
  laptop: {width: 1366, height: 768},
};

withBrowser(pageFolder, async ({browser, url}) => {
  const page = await browser.newPage();
  await page.setViewport(screens[device]);
  await page.goto(`${url}?k=5,4,8,-32,-56,80`);
  await waitForRed(page, 30000);
  await page.waitForSelector('#latex:not([disabled])', {timeout: 30000});
  await page.screenshot({path: picture});
}).catch(error => {
  console.error(error.stack);
  process.exitCode = 1;
});
