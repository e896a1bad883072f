'use strict';
// The remote station's page: logs in, follows the live state over one
// WebSocket (reconnecting by itself), and sends the operator's commands to
// the same API scripts use.
(() => {
  const $ = (id) => document.getElementById(id);
  const page = window.ORVANTA_PAGE || { langue: 'fr', textes: {} };
  const t = (francais) => page.textes[francais] || francais;
  // The page is written in French: its texts are shown in the station's language.
  document.documentElement.lang = page.langue;
  document.title = t(document.title);
  const parcours = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let noeud = parcours.nextNode(); noeud; noeud = parcours.nextNode()) {
    const texte = noeud.nodeValue.trim();
    if (texte) noeud.nodeValue = noeud.nodeValue.replace(texte, t(texte));
  }
  for (const element of document.querySelectorAll('[aria-label]'))
    element.setAttribute('aria-label', t(element.getAttribute('aria-label')));
  let socket = null;
  let attente = 1000; // before the next reconnection, doubled up to 15 s
  let connecte = false;

  const refus = (statut) => t('Refus %1').replace('%1', statut);
  const heure = (iso) => (iso ? iso.slice(11, 19) : '-');
  const nombre = (valeur, decimales, unite) =>
    (valeur === null || valeur === undefined ? '-' : `${valeur.toFixed(decimales)} ${unite}`);
  const mhz = (hz) => (hz === null || hz === undefined ? '-' : `${(hz / 1e6).toFixed(5)} MHz`);

  function montrer(entree) {
    $('entree').hidden = !entree;
    $('station').hidden = entree;
    $('sortir').hidden = entree;
  }

  // A tick leaves out the sky paths that have not changed: the last ones stay.
  const chemins = { tracked_path: [], awaited_path: [] };

  function afficher(etat) {
    for (const cle of Object.keys(chemins)) {
      if (cle in etat.sky) chemins[cle] = etat.sky[cle];
      else etat.sky[cle] = chemins[cle];
    }
    $('heure').textContent = `${heure(etat.time)} ${t('TU')}`;
    const s = etat.followed;
    $('suivi-nom').textContent = s ? `${s.name} (${s.catalog_number})` : t('aucun');
    $('suivi-az').textContent = s ? nombre(s.azimuth, 1, '°') : '-';
    $('suivi-el').textContent = s ? nombre(s.elevation, 1, '°') : '-';
    $('suivi-vr').textContent = s ? nombre(s.range_rate_km_s, 3, 'km/s') : '-';
    $('suivi-freq').textContent = s ? mhz(s.frequency_hz) : '-';
    $('suivi-dop').textContent = s && s.doppler_hz !== null ? nombre(s.doppler_hz / 1000, 3, 'kHz') : '-';
    const a = etat.awaited;
    $('attendu-nom').textContent = a ? `${a.name} (${a.catalog_number})` : t('aucun');
    $('attendu-az').textContent = a ? nombre(a.azimuth, 1, '°') : '-';
    const r = etat.devices.rotor;
    $('lecture-rotor').textContent = r ? `${r.azimuth.toFixed(0)}° / ${r.elevation.toFixed(0)}°` : '-';
    $('lecture-radio').textContent = mhz(etat.devices.radio_frequency_hz);
    $('alarme').hidden = !etat.alarm;
    $('alarme').textContent = etat.alarm || '';
    Ciel.dessiner($('ciel-vue'), etat.sky);
    $('ciel-info').textContent = etat.sky.info;
    const lignes = $('passages-lignes');
    lignes.replaceChildren(...etat.passes.map((p) => {
      const tr = document.createElement('tr');
      if (p.in_progress) tr.className = 'en-cours';
      for (const texte of [p.name, p.catalog_number, heure(p.aos), heure(p.los), `${p.max_elevation.toFixed(1)}°`]) {
        const td = document.createElement('td');
        td.textContent = texte;
        tr.appendChild(td);
      }
      return tr;
    }));
    for (const bloc of document.querySelectorAll('.interrupteur')) {
      const actif = etat.switches[bloc.dataset.nom];
      for (const bouton of bloc.querySelectorAll('button'))
        bouton.classList.toggle('choisi', (bouton.dataset.valeur === 'true') === actif);
    }
    $('accord').hidden = !etat.tuning.available;
    $('descente').textContent = etat.tuning.available ? mhz(etat.tuning.downlink_hz) : '';
    if (document.activeElement !== $('pas')) $('pas').value = String(etat.tuning.step_hz);
  }

  function direct() {
    const adresse = new URL('/api/live', location.href);
    adresse.protocol = location.protocol === 'https:' ? 'wss:' : 'ws:';
    socket = new WebSocket(adresse.href);
    socket.onopen = () => {
      attente = 1000;
      $('liaison').textContent = t('en direct');
      $('liaison').className = 'allume';
    };
    socket.onmessage = (evenement) => {
      const message = JSON.parse(evenement.data);
      if (message.type === 'state') afficher(message.state);
    };
    socket.onclose = (evenement) => {
      socket = null;
      $('liaison').textContent = t('hors ligne');
      $('liaison').className = 'eteint';
      if (!connecte) return;
      if (evenement.code === 4401 || evenement.code === 1008) {
        connecte = false;
        $('refus').textContent = evenement.reason || t('Session terminee.');
        montrer(true);
        return;
      }
      setTimeout(direct, attente);
      attente = Math.min(attente * 2, 15000);
    };
  }

  function entrer(role) {
    connecte = true;
    $('role').textContent = t(role === 'operator' ? 'operateur' : 'observateur');
    $('commandes').hidden = role !== 'operator';
    montrer(false);
    if (!socket) direct();
  }

  async function demander(chemin, corps) {
    const reponse = await fetch(chemin, {
      method: 'POST',
      credentials: 'same-origin',
      headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify(corps || {}),
    });
    const texte = await reponse.json().catch(() => ({}));
    return { ok: reponse.ok, statut: reponse.status, texte };
  }

  async function commander(chemin, corps) {
    try {
      const r = await demander(chemin, corps);
      $('reponse').textContent = r.ok ? t('Fait.') : (r.texte.error || refus(r.statut));
      $('reponse').className = r.ok ? '' : 'refus';
      if (r.statut === 401) {
        connecte = false;
        montrer(true);
      }
    } catch (e) {
      $('reponse').textContent = t('La station ne repond pas.');
      $('reponse').className = 'refus';
    }
  }

  $('formulaire').addEventListener('submit', async (evenement) => {
    evenement.preventDefault();
    $('refus').textContent = '';
    try {
      const r = await demander('/api/login', { password: $('mot').value });
      $('mot').value = '';
      if (r.ok) entrer(r.texte.role);
      else $('refus').textContent = r.texte.error || refus(r.statut);
    } catch (e) {
      $('refus').textContent = t('La station ne repond pas.');
    }
  });
  $('sortir').addEventListener('click', async () => {
    connecte = false;
    await demander('/api/logout').catch(() => {});
    if (socket) socket.close();
    montrer(true);
  });
  for (const bloc of document.querySelectorAll('.interrupteur'))
    for (const bouton of bloc.querySelectorAll('button'))
      bouton.addEventListener('click', () =>
        commander('/api/switches', { [bloc.dataset.nom]: bouton.dataset.valeur === 'true' }));
  $('pointage').addEventListener('submit', (evenement) => {
    evenement.preventDefault();
    commander('/api/pointing', { azimuth: Number($('pointage-az').value), elevation: Number($('pointage-el').value) });
  });
  $('parquer').addEventListener('click', () => commander('/api/park'));
  $('arreter').addEventListener('click', () => commander('/api/stop'));
  $('pas').addEventListener('change', () => commander('/api/tuning', { step_hz: Number($('pas').value) }));
  for (const bouton of document.querySelectorAll('[data-pas]'))
    bouton.addEventListener('click', () => commander('/api/tuning', { steps: Number(bouton.dataset.pas) }));

  // A session kept by the cookie needs no new password.
  fetch('/api/state', { credentials: 'same-origin' })
    .then((r) => (r.ok ? r.json() : null))
    .then((etat) => {
      if (etat) {
        afficher(etat);
        entrer(etat.role);
      } else {
        montrer(true);
      }
    })
    .catch(() => montrer(true));
})();
