// Lighthouse's scores of the page (its mobile settings, the default: a phone's screen, a slow
// network and a processor four times slower, all simulated) for the turned ellipse's link, and
// of an earlier build of the page beside it, taking turns in one run. The pages are served and
// chromium started as for the page test; Lighthouse drives that chromium.
//
//   node page_lighthouse.js LIGHTHOUSE_FOLDER PAGE_FOLDER [EARLIER_PAGE_FOLDER] [RUNS]
//
// LIGHTHOUSE_FOLDER holds node_modules/lighthouse (scripts/benchmark.sh installs it there).
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const {withBrowser} = require('./browser');

const [lighthouseFolder, pageFolder, earlierFolder, runs = '3'] = process.argv.slice(2);
const link = '?k=5,4,8,-32,-56,80';

async function measure(lighthouse, browser, address) {
  const port = Number(new URL(browser.wsEndpoint()).port);
  const {lhr} = await lighthouse(address, {
    port, output: 'json', logLevel: 'error',
    onlyCategories: ['performance', 'accessibility', 'best-practices'],
  });
  const score = name => Math.round(lhr.categories[name].score * 100);
  const audit = name => lhr.audits[name].numericValue;
  return {performance: score('performance'), accessibility: score('accessibility'),
          practices: score('best-practices'), blocking: audit('total-blocking-time'),
          contentful: audit('largest-contentful-paint'), shift: audit('cumulative-layout-shift'),
          first: audit('first-contentful-paint')};
}

function shown(result) {
  return `performance ${result.performance}, accessibility ${result.accessibility}, best ` +
         `practices ${result.practices}; first contentful paint ${Math.round(result.first)} ms, ` +
         `largest ${Math.round(result.contentful)} ms, total blocking time ` +
         `${Math.round(result.blocking)} ms, layout shift ${result.shift.toFixed(3)}`;
}

// Both pages served side by side from one folder of links, so that one chromium opens both:
// the first run of each, in a browser just started, also waits for the browser's GPU process
// (WebGL in software here), and is given apart.
async function main() {
  const entry = path.resolve(lighthouseFolder, 'node_modules/lighthouse/core/index.js');
  const {default: lighthouse} = await import(entry);
  const served = fs.mkdtempSync(path.join(os.tmpdir(), 'konika-lighthouse-'));
  const pages = [['this page', 'page', pageFolder]];
  if (earlierFolder) {
    pages.unshift(['the earlier page', 'earlier', earlierFolder]);
  }
  for (const [, name, folder] of pages) {
    fs.symlinkSync(path.resolve(folder), path.join(served, name));
  }
  try {
    await withBrowser(served, async ({browser, url}) => {
      for (let run = 0; run <= Number(runs); ++run) {
        for (const [title, name] of pages) {
          const result = await measure(lighthouse, browser, `${url}${name}/${link}`);
          console.log(`${run === 0 ? 'first run' : `run ${run}`}, ${title}: ${shown(result)}`);
        }
      }
    });
  } finally {
    fs.rmSync(served, {recursive: true, force: true});
  }
}

main().catch(error => {
  console.error(error.stack);
  process.exitCode = 1;
});
