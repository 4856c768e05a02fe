// The map page in headless Chromium, offline: no tile, no script and no style
// comes from the network, as in a car park without coverage.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import fs from 'node:fs';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
// The page beside its Leaflet, as the build puts them (CTest says where).
const pageUrl = pathToFileURL(process.env.DUALDASH_MAP_PAGE || path.join(here, '..', '..', 'build', 'map', 'page', 'map.html')).href;
let browser;

before(async () => {
    browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync'],
    });
});

after(async () => {
    await browser?.close();
});

// A page with every request off the file system refused; `blockLeaflet` also
// refuses the map library itself.
async function openPage({ blockLeaflet = false } = {}) {
    const page = await browser.newPage({ viewport: { width: 400, height: 300 } });
    const errors = [];
    page.on('pageerror', (e) => errors.push(e));
    const requested = [];
    await page.route('**/*', (route) => {
        const url = route.request().url();
        requested.push(url);
        if (!url.startsWith('file:') || (blockLeaflet && url.endsWith('leaflet.js')))
            return route.abort();
        return route.continue();
    });
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.readyState === 'complete');
    return { page, errors, requested };
}

const countLayers = (page, kind) =>
    page.evaluate((k) => { let n = 0; map.eachLayer((l) => { if (l instanceof L[k]) ++n; }); return n; }, kind);

test('the page runs the Leaflet that map/web pins, its licence beside it', async () => {
    const pinned = JSON.parse(fs.readFileSync(path.join(here, '..', '..', 'map', 'web', 'package.json'), 'utf8'));
    const { page } = await openPage();
    assert.equal(await page.evaluate(() => L.version), pinned.dependencies.leaflet);
    assert.ok(fs.existsSync(new URL('leaflet/LICENSE', pageUrl)));
    await page.close();
});

test('the map is created offline, on the start view', async () => {
    const { page, errors, requested } = await openPage();
    assert.equal(await page.evaluate(() => inited), 1);
    const center = await page.evaluate(() => [map.getCenter().lat.toFixed(4), map.getCenter().lng.toFixed(4), map.getZoom()]);
    assert.deepEqual(center, ['55.7503', '37.6165', 15]);
    assert.ok(requested.some((u) => u.includes('tile.openstreetmap.org')), 'tiles are asked for');
    assert.equal(await page.evaluate(() => document.querySelector('.leaflet-control-attribution').textContent.includes('OpenStreetMap')), true);
    assert.deepEqual(errors, []);
    await page.close();
});

test('the route is drawn once, blue, half opaque, four pixels wide', async () => {
    const { page, errors } = await openPage();
    await page.evaluate(() => {
        newPolyLine();
        for (let i = 0; i < 120; ++i)
            putMarkerToLine((55.75 + i * 1e-4).toFixed(6), (37.61 + i * 1e-4).toFixed(6));
        renderPolyLine();
    });
    assert.equal(await countLayers(page, 'Polyline'), 1);
    const line = await page.evaluate(() => ({
        points: polyLine.getLatLngs().length, color: polyLine.options.color,
        opacity: polyLine.options.opacity, weight: polyLine.options.weight,
        stroke: document.querySelector('path.leaflet-interactive').getAttribute('stroke'),
    }));
    assert.deepEqual(line, { points: 120, color: '#0000FF', opacity: 0.5, weight: 4, stroke: '#0000FF' });
    // A new route takes the old one off the map.
    await page.evaluate(() => { newPolyLine(); putMarkerToLine('55.760000', '37.620000'); putMarkerToLine('55.770000', '37.630000'); renderPolyLine(); });
    assert.equal(await countLayers(page, 'Polyline'), 1);
    assert.equal(await page.evaluate(() => polyLine.getLatLngs().length), 2);
    assert.deepEqual(errors, []);
    await page.close();
});

test('the marker is created once, then moved; the same position pans nothing', async () => {
    const { page, errors } = await openPage();
    await page.evaluate(() => {
        window.pans = 0;
        const panTo = map.panTo.bind(map);
        map.panTo = (...a) => { ++window.pans; return panTo(...a); };
    });
    await page.evaluate(() => SetLgtLat('55.751000', '37.617000', '0'));
    await page.evaluate(() => SetLgtLat('55.752000', '37.618000', '0'));
    assert.equal(await countLayers(page, 'Marker'), 1);
    assert.deepEqual(await page.evaluate(() => [marker.getLatLng().lat, marker.getLatLng().lng]), [55.752, 37.618]);
    assert.equal(await page.evaluate(() => pans), 2);
    await page.evaluate(() => SetLgtLat('55.752000', '37.618000', '0'));
    assert.equal(await page.evaluate(() => pans), 2);
    // The route does not take the marker away.
    await page.evaluate(() => { newPolyLine(); renderPolyLine(); });
    assert.equal(await countLayers(page, 'Marker'), 1);
    assert.deepEqual(errors, []);
    await page.close();
});

test('the strip: hidden by an empty latitude, never shown by the page itself', async () => {
    const { page } = await openPage();
    const display = () => page.evaluate(() => getComputedStyle(document.getElementById('gpsinfo')).display);
    await page.evaluate(() => SetLgtLat('55.751000', '37.617000', '0'));
    assert.equal(await display(), 'none');
    assert.equal(await page.evaluate(() => document.getElementById('gpsinfo').textContent), ' Lgt:55.751000   Lat:37.617000   0Km/H');
    await page.evaluate(() => ShowGpsInfo(1));
    assert.equal(await display(), 'block');
    await page.evaluate(() => SetLgtLat('', '', '0'));
    assert.equal(await display(), 'none');
    assert.deepEqual(await page.evaluate(() => [marker.getLatLng().lat, marker.getLatLng().lng]), [55.751, 37.617]);
    await page.close();
});

test('texts that are not numbers are ignored', async () => {
    const { page, errors } = await openPage();
    await page.evaluate(() => {
        SetLgtLat('abc', 'def', '0');
        SetLgtLat('NaN', '37.6', '0');
        SetLgtLat('95.000000', '37.600000', '0');
        newPolyLine();
        putMarkerToLine('x', '37.617000');
        putMarkerToLine('55.751000', 'Infinity');
        putMarkerToLine('55.751000', '37.617000');
        renderPolyLine();
    });
    assert.equal(await countLayers(page, 'Marker'), 0);
    assert.equal(await page.evaluate(() => markersArray.length), 1);
    assert.deepEqual(errors, []);
    await page.close();
});

test('without the map library the page stays quiet', async () => {
    const { page, errors } = await openPage({ blockLeaflet: true });
    assert.equal(await page.evaluate(() => inited), 0);
    await page.evaluate(() => {
        SetLgtLat('55.751000', '37.617000', '0');
        newPolyLine();
        putMarkerToLine('55.751000', '37.617000');
        renderPolyLine();
        fix(300);
    });
    assert.equal(await page.evaluate(() => markersArray.length), 0);
    assert.equal(await page.evaluate(() => typeof marker), 'undefined');
    assert.deepEqual(errors, []);
    await page.close();
});

test('fix sizes the map to the height it is given', async () => {
    const { page } = await openPage();
    await page.evaluate(() => fix(250));
    const sizes = await page.evaluate(() => [document.getElementById('map_canvas').style.height, document.body.style.height,
                                             document.getElementById('gpsinfo').style.top]);
    assert.deepEqual(sizes, ['250px', '250px', '234px']);
    await page.close();
});
