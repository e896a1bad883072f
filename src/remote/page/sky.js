'use strict';
// The sky view of the window, drawn from the scene the station sends: north
// up, east to the right, the horizon on the outer circle, the zenith at the
// centre.
const Ciel = (() => {
  const NS = 'http://www.w3.org/2000/svg';
  const RAYON = 100;
  // The cardinal points in the station's language (texts.js).
  const texte = (francais) => ((window.ORVANTA_PAGE || {}).textes || {})[francais] || francais;

  function point(azimut, elevation) {
    const r = RAYON * (90 - Math.max(0, Math.min(90, elevation))) / 90;
    const a = azimut * Math.PI / 180;
    return [r * Math.sin(a), -r * Math.cos(a)];
  }

  function element(nom, attributs, parent) {
    const e = document.createElementNS(NS, nom);
    for (const [cle, valeur] of Object.entries(attributs)) e.setAttribute(cle, valeur);
    parent.appendChild(e);
    return e;
  }

  function cercle(parent, r, couleur, tirets) {
    const attributs = { cx: 0, cy: 0, r, fill: 'none', stroke: couleur, 'stroke-width': 0.8 };
    if (tirets) attributs['stroke-dasharray'] = '3 3';
    element('circle', attributs, parent);
  }

  function chemin(parent, points, couleur) {
    if (!points || points.length < 2) return;
    const texte = points.map(([az, el]) => point(az, el).map((v) => v.toFixed(1)).join(',')).join(' ');
    element('polyline', { points: texte, fill: 'none', stroke: couleur, 'stroke-width': 2 }, parent);
  }

  function dessiner(svg, ciel) {
    while (svg.firstChild) svg.removeChild(svg.firstChild);
    element('rect', { x: -120, y: -120, width: 240, height: 240, fill: '#0e1626' }, svg);
    cercle(svg, RAYON, '#96a2ba');
    cercle(svg, RAYON * 2 / 3, '#4e5c76', true);
    cercle(svg, RAYON / 3, '#4e5c76', true);
    if (ciel.min_elevation > 0) cercle(svg, RAYON * (90 - ciel.min_elevation) / 90, '#aa783c', true);
    element('line', { x1: -RAYON, y1: 0, x2: RAYON, y2: 0, stroke: '#4e5c76', 'stroke-width': 0.5 }, svg);
    element('line', { x1: 0, y1: -RAYON, x2: 0, y2: RAYON, stroke: '#4e5c76', 'stroke-width': 0.5 }, svg);
    for (const [lettre, x, y] of [['N', 0, -106], ['E', 110, 4], ['S', 0, 114], ['O', -110, 4]]) {
      const t = element('text', { x, y, fill: '#e1e6f0', 'font-size': 10, 'text-anchor': 'middle' }, svg);
      t.textContent = texte(lettre);
    }
    chemin(svg, ciel.awaited_path, '#f5a528');
    chemin(svg, ciel.tracked_path, '#46d264');
    if (ciel.rotor) {
      const [x, y] = point(ciel.rotor.azimuth, ciel.rotor.elevation);
      element('path', { d: `M${x - 5},${y}h10M${x},${y - 5}v10`, stroke: '#50c8eb', 'stroke-width': 2 }, svg);
    }
    if (ciel.satellite) {
      const [x, y] = point(ciel.satellite.azimuth, ciel.satellite.elevation);
      element('circle', { cx: x, cy: y, r: 4, fill: '#eb3232' }, svg);
    }
    const noms = [[ciel.tracked_name, '#46d264', -116], [ciel.awaited_name, '#f5a528', 116]];
    for (const [nom, couleur, x] of noms) {
      if (!nom) continue;
      const t = element('text', { x, y: -110, fill: couleur, 'font-size': 8,
                                  'text-anchor': x < 0 ? 'start' : 'end' }, svg);
      t.textContent = nom;
    }
  }

  return { dessiner };
})();
