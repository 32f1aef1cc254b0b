// The README's sample sheet: the sheet page of an address printed to PDF by chromium, A4 as its
// print layout asks; the PDF's first page is made a PNG with poppler's pdftoppm.
//
//   node sheet_picture.js PAGE_FOLDER SHEET.pdf ADDRESS
'use strict';

const {withBrowser} = require('./browser');

const [pageFolder, pdf, address] = process.argv.slice(2);

withBrowser(pageFolder, async ({browser, url}) => {
  const page = await browser.newPage();
  await page.goto(`${url}sheet.html?${address}`);
  await page.waitForSelector('#sheet h2', {timeout: 30000});
  await page.pdf({path: pdf, preferCSSPageSize: true});
}).catch(error => {
  console.error(error.stack);
  process.exitCode = 1;
});
