// The README's picture of the page: the turned and moved ellipse opened from its link in
// headless chromium, the whole page saved as a PNG.
//
//   node page_picture.js PAGE_FOLDER PICTURE
'use strict';

const {withBrowser, waitForRed} = require('./browser');

const [pageFolder, picture] = process.argv.slice(2);

withBrowser(pageFolder, async ({browser, url}) => {
  const page = await browser.newPage();
  await page.setViewport({width: 1100, height: 800});
  await page.goto(`${url}?k=5,4,8,-32,-56,80`);
  await waitForRed(page, 30000);
  await page.screenshot({path: picture, fullPage: true});
}).catch(error => {
  console.error(error.stack);
  process.exitCode = 1;
});
