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
// refuses the map library itself. `tile` is a colour: the page's tile setting
// then names one plain tile of it, drawn in the page, for every place.
async function openPage({ blockLeaflet = false, tile = null } = {}) {
    const page = await browser.newPage({ viewport: { width: 400, height: 300 } });
    if (tile) {
        await page.addInitScript((colour) => {
            const canvas = document.createElement('canvas');
            canvas.width = canvas.height = 256;
            const context = canvas.getContext('2d');
            context.fillStyle = colour;
            context.fillRect(0, 0, 256, 256);
            window.dualdashTiles = { url: canvas.toDataURL('image/png'), attribution: '' };
        }, tile);
    }
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

test('the route is drawn once, blue, opaque, four pixels wide', async () => {
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
    assert.deepEqual(line, { points: 120, color: '#2c6af0', opacity: 1, weight: 4, stroke: '#2c6af0' });
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

test('a jump moves the map at once; the moves of playing glide', async () => {
    const { page, errors } = await openPage();
    await page.evaluate(() => {
        window.animated = [];
        const panTo = map.panTo.bind(map);
        map.panTo = (position, options) => { window.animated.push(options.animate); return panTo(position, options); };
    });
    await page.evaluate(() => SetLgtLat('55.751000', '37.617000', '0'));
    await page.evaluate(() => SetLgtLat('55.851000', '37.717000', '0', 'jump'));
    assert.deepEqual(await page.evaluate(() => animated), [true, false]);
    const center = await page.evaluate(() => [map.getCenter().lat, map.getCenter().lng]);
    assert.ok(Math.abs(center[0] - 55.851) < 1e-6 && Math.abs(center[1] - 37.717) < 1e-6, `${center}`);
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

// Three recordings of a drive side by side, a point every 0.0003° north, with
// speeds rising 10 km/h a point; the middle one is playing.
function driveText(current = 1) {
    const recordings = [37.6100, 37.6165, 37.6230].map((lng) =>
        Array.from({ length: 8 }, (_, i) => [(55.7485 + i * 0.0003).toFixed(6), lng.toFixed(6), 10 + i * 15, i * 10]));
    return JSON.stringify({ current, recordings });
}

async function showDrive(page, current = 1) {
    await page.evaluate((text) => {
        const playing = JSON.parse(text).recordings[JSON.parse(text).current];
        newPolyLine();
        playing.forEach((p) => putMarkerToLine(p[0], p[1]));
        renderPolyLine();
        ShowDrive(text);
    }, driveText(current));
}

// The colours one screenshot shows at map points ([lat, lng] each).
async function pixelsAt(page, points) {
    const png = (await page.screenshot()).toString('base64');
    return page.evaluate(async ([png, points]) => {
        const img = new Image();
        img.src = 'data:image/png;base64,' + png;
        await img.decode();
        const canvas = document.createElement('canvas');
        canvas.width = img.width;
        canvas.height = img.height;
        const context = canvas.getContext('2d');
        context.drawImage(img, 0, 0);
        return points.map((point) => {
            const at = map.latLngToContainerPoint(point);
            return Array.from(context.getImageData(Math.round(at.x), Math.round(at.y), 1, 1).data.slice(0, 3));
        });
    }, [png, points]);
}

const pixelAt = async (page, lat, lng) => (await pixelsAt(page, [[lat, lng]]))[0];

// WCAG's contrast ratio of two sRGB colours, 1 (none) to 21.
function contrast(a, b) {
    const luminance = (rgb) => {
        const [r, g, b] = rgb.map((v) => { v /= 255; return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4; });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
    return (light + 0.05) / (dark + 0.05);
}

test('the drive: the other recordings faint, the playing one in the route colour on top', async () => {
    const { page, errors } = await openPage();
    await showDrive(page);
    assert.equal(await countLayers(page, 'Polyline'), 3);
    const faint = await page.evaluate(() => {
        const lines = [];
        driveLayer.eachLayer((l) => lines.push([l.options.color, l.options.opacity, l.getLatLngs().length]));
        return lines;
    });
    assert.deepEqual(faint, [['#2c6af0', 0.5, 8], ['#2c6af0', 0.5, 8]]);
    assert.equal(await page.evaluate(() => polyLine.options.opacity), 1);
    // On screen: the playing recording's line is a stronger blue than the others'.
    const ground = await pixelAt(page, 55.7490, 37.6200);
    const playing = await pixelAt(page, 55.7494, 37.6165);
    const other = await pixelAt(page, 55.7494, 37.6230);
    assert.ok(other[2] > ground[2] + 20, `faint route visible: ${other} over ${ground}`);
    assert.ok(playing[2] > other[2] + 40, `playing route stronger: ${playing} against ${other}`);
    // Another recording of the drive plays: the faint and the strong lines change places.
    await showDrive(page, 2);
    assert.equal(await countLayers(page, 'Polyline'), 3);
    assert.deepEqual(await page.evaluate(() => polyLine.getLatLngs()[0].lng), 37.623);
    await page.evaluate(() => ClearDrive());
    assert.equal(await countLayers(page, 'Polyline'), 1);
    assert.deepEqual(errors, []);
    await page.close();
});

test('speed colours: the routes in bands of speed, with their legend', async () => {
    const { page, errors } = await openPage();
    await showDrive(page);
    await page.evaluate(() => SetSpeedColours('1'));
    const lines = await page.evaluate(() => {
        const found = [];
        driveLayer.eachLayer((l) => found.push({ colour: l.options.color, opacity: l.options.opacity, points: l.getLatLngs().length }));
        return found;
    });
    const playing = lines.filter((l) => l.opacity === 0.9);
    // Speeds 10, 25, 40, ..., 115 km/h; each stretch coloured by the speed at
    // its start: bands from 0, 30, 50, 70 and 90.
    assert.deepEqual(playing.map((l) => l.colour), ['#2c7bb6', '#00a6ca', '#90eb9d', '#f9d057', '#f29e2e']);
    assert.equal(playing.reduce((n, l) => n + l.points, 0), 8 + playing.length - 1);  // each run meets the next
    assert.equal(lines.filter((l) => l.opacity === 0.3).length, 2 * playing.length);
    assert.equal(await page.evaluate(() => polyLine.options.opacity), 0);
    const legend = await page.evaluate(() => document.querySelector('.speed-legend')?.innerText);
    assert.match(legend, /0–30 km\/h/);
    assert.match(legend, /110\+ km\/h/);
    // On screen the fast end is orange, the slow end blue.
    const slow = await pixelAt(page, 55.7485, 37.6165), fast = await pixelAt(page, 55.7506, 37.6165);
    assert.ok(slow[2] > slow[0] && fast[0] > fast[2], `slow ${slow}, fast ${fast}`);
    // A new recording's route keeps the colours; turning them off brings the plain line back.
    await showDrive(page, 0);
    assert.equal(await page.evaluate(() => polyLine.options.opacity), 0);
    await page.evaluate(() => SetSpeedColours('0'));
    assert.equal(await page.evaluate(() => document.querySelector('.speed-legend')), null);
    assert.equal(await page.evaluate(() => polyLine.options.opacity), 1);
    assert.deepEqual(errors, []);
    await page.close();
});

test('speed colours in mph: the bands and the legend follow the unit shown', async () => {
    const { page, errors } = await openPage();
    await showDrive(page);
    await page.evaluate(() => SetSpeedColours('1'));
    const runs = () => page.evaluate(() => {
        const found = [];
        driveLayer.eachLayer((l) => { if (l.options.opacity === 0.9) found.push(l.getLatLngs().length); });
        return found;
    });
    const legend = () => page.evaluate(() => document.querySelector('.speed-legend')?.innerText);
    // Stretches starting at 10, 25, 40, 55, 70, 85, 100 km/h.
    assert.deepEqual(await runs(), [3, 2, 2, 3, 2]);       // bands from 0, 30, 50, 70, 90 km/h
    await page.evaluate(() => SetSpeedUnit('mph'));
    assert.deepEqual(await runs(), [3, 2, 3, 2, 2]);       // from 0, 20, 30, 45, 55 mph
    assert.match(await legend(), /0–20 mph/);
    assert.match(await legend(), /70\+ mph/);
    assert.doesNotMatch(await legend(), /km\/h/);
    await page.evaluate(() => SetSpeedUnit('furlongs'));   // unknown: km/h
    assert.deepEqual(await runs(), [3, 2, 2, 3, 2]);
    assert.match(await legend(), /110\+ km\/h/);
    assert.deepEqual(errors, []);
    await page.close();
});

test('a click on the route asks the window to seek to the nearest slot, in whichever recording', async () => {
    const { page, errors } = await openPage();
    await showDrive(page);
    await page.evaluate(() => { window.asked = []; window.dualdashBridge = { seekTo: (r, s) => asked.push([r, s]) }; });
    const click = async (lat, lng, dx = 0) => {
        const at = await page.evaluate(([lat, lng]) => map.latLngToContainerPoint([lat, lng]), [lat, lng]);
        await page.mouse.click(at.x + dx, at.y);
    };
    await click(55.7485 + 5 * 0.0003, 37.6230);       // recording 2, its sixth point
    await click(55.7485 + 2 * 0.0003, 37.6165, 4);    // the playing one, a little beside the line
    await click(55.7485 + 2 * 0.0003, 37.6198);       // between the routes: nothing
    assert.deepEqual(await page.evaluate(() => asked), [[2, 50], [1, 20]]);
    assert.deepEqual(errors, []);
    await page.close();
});

test('events: dots in their colours over the route, a click asks for the lead-in, bad entries ignored', async () => {
    const { page, errors } = await openPage();
    await showDrive(page);
    await page.evaluate(() => { window.asked = []; window.dualdashBridge = { seekTo: (r, s) => asked.push([r, s]) }; });
    const events = [
        ['55.749400', '37.616500', '#e62020', 'Impact 0.9 g', 1, 0],
        ['55.750300', '37.623000', '#faD228', 'Bookmark', 2, 40],
        ['x', '37.6', '#e62020', 'no place', 0, 0],
        ['55.75', '37.61', 'red', 'no colour', 0, 0],
        ['55.75', '37.61', '#e62020', 'no slot', 0, 1.5],
    ];
    await page.evaluate((text) => ShowEvents(text), JSON.stringify(events));
    assert.equal(await countLayers(page, 'CircleMarker'), 2);
    const [impact, bookmark] = await pixelsAt(page, [[55.7494, 37.6165], [55.7503, 37.6230]]);
    assert.deepEqual(impact, [230, 32, 32]);
    assert.deepEqual(bookmark, [250, 210, 40]);
    const at = await page.evaluate(() => map.latLngToContainerPoint([55.7503, 37.6230]));
    await page.mouse.click(at.x, at.y);
    assert.deepEqual(await page.evaluate(() => asked), [[2, 40]]);  // the dot's, not the route's under it
    await page.evaluate(() => { ShowEvents('not json'); ShowEvents('{"a": 1}'); });
    assert.equal(await countLayers(page, 'CircleMarker'), 2);
    await page.evaluate(() => ShowEvents('[]'));
    assert.equal(await countLayers(page, 'CircleMarker'), 0);
    assert.deepEqual(errors, []);
    await page.close();
});

test('drive texts that are not a drive are ignored', async () => {
    const { page, errors } = await openPage();
    await page.evaluate(() => {
        ShowDrive('not json');
        ShowDrive('{"recordings": 5}');
        ShowDrive('{"current": 0, "recordings": [[["x", "1", 2, 3], ["55.75", "37.61", 20, -1], ["55.75", "37.61", 20, 1.5]], "no"]}');
    });
    assert.equal(await countLayers(page, 'Polyline'), 0);
    assert.deepEqual(await page.evaluate(() => drive.recordings.map((r) => r.length)), [0, 0]);
    assert.deepEqual(errors, []);
    await page.close();
});

// Before tiles arrive (or offline) the route lies on the dark ground; then on
// the light tiles: their land, white, grey, and their yellow and orange roads.
const grounds = [
    { name: 'no tiles', tile: null },
    { name: 'land', tile: '#f2efe9' },
    { name: 'white', tile: '#ffffff' },
    { name: 'grey', tile: '#dddddd' },
    { name: 'yellow road', tile: '#f7fabf' },
    { name: 'orange road', tile: '#fcd6a4' },
];

for (const { name, tile } of grounds) {
    test(`the playing route and the faint drive read on the ground: ${name}`, async () => {
        const { page, errors } = await openPage({ tile });
        if (tile) {
            await page.waitForFunction(() => {
                const tiles = [...document.querySelectorAll('img.leaflet-tile')];
                return tiles.length > 0 && tiles.every((t) => t.classList.contains('leaflet-tile-loaded') &&
                                                             getComputedStyle(t).opacity === '1');
            });
        }
        await showDrive(page);
        const [ground, playing, faint] = await pixelsAt(page, [[55.7490, 37.6200], [55.7494, 37.6165], [55.7494, 37.6230]]);
        if (tile)
            assert.ok(contrast(ground, [1, 3, 5].map((i) => parseInt(tile.slice(i, i + 2), 16))) < 1.05, `the tile shows: ${ground}`);
        const playingContrast = contrast(playing, ground), faintContrast = contrast(faint, ground);
        assert.ok(playingContrast >= 3, `playing route ${playing} on ${ground}: ${playingContrast.toFixed(2)}:1`);
        assert.ok(faintContrast >= 1.5, `faint route ${faint} on ${ground}: ${faintContrast.toFixed(2)}:1`);
        assert.ok(playingContrast > faintContrast + 1, `the playing route stands out from the faint ones`);
        assert.deepEqual(errors, []);
        await page.close();
    });
}
