#!/usr/bin/python3
"""Drives the remote station's page in Debian's headless chromium.

  remote_page.py PORT PASSWORD check     logs in, prints the pass rows as JSON
                                          lines, switches rotor tracking on
  remote_page.py PORT PASSWORD shots DIR  phone- and desktop-sized screenshots
"""
import json
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions as shown
from selenium.webdriver.support.ui import WebDriverWait


def browser(width, height, phone=False):
    options = webdriver.ChromeOptions()
    if phone:
        options.add_experimental_option('mobileEmulation', {
            'deviceMetrics': {'width': width, 'height': height, 'pixelRatio': 2, 'touch': True}})
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage',
                     '--no-first-run', '--disable-extensions', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--metrics-recording-only',
                     '--no-default-browser-check', f'--window-size={width},{height}'):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.set_page_load_timeout(30)
    return driver


def log_in(driver, port, password):
    driver.get(f'http://127.0.0.1:{port}/')
    wait = WebDriverWait(driver, 30)
    wait.until(shown.visibility_of_element_located((By.ID, 'mot'))).send_keys(password)
    driver.find_element(By.CSS_SELECTOR, '#formulaire button').click()
    wait.until(shown.visibility_of_element_located((By.ID, 'station')))
    wait.until(lambda d: d.find_element(By.ID, 'liaison').text == 'en direct')
    wait.until(lambda d: d.find_elements(By.CSS_SELECTOR, '#passages-lignes tr'))
    return wait


def check(port, password):
    driver = browser(1400, 1000)
    try:
        wait = log_in(driver, port, password)
        # Read at once: every tick draws the rows anew.
        rows = driver.execute_script(
            "return [...document.querySelectorAll('#passages-lignes tr')]"
            ".map((tr) => [...tr.cells].map((td) => td.textContent));")
        for cells in rows:
            print(json.dumps({'name': cells[0], 'aos': cells[2], 'los': cells[3]}), flush=True)
        driver.find_element(By.CSS_SELECTOR, '.interrupteur[data-nom="rotor"] button[data-valeur="true"]').click()
        wait.until(lambda d: d.find_element(By.ID, 'reponse').text == 'Fait.')
        wait.until(lambda d: 'choisi' in d.find_element(
            By.CSS_SELECTOR, '.interrupteur[data-nom="rotor"] button[data-valeur="true"]').get_attribute('class'))
        print('tracking on', flush=True)
    finally:
        driver.quit()


def shots(port, password, folder):
    for name, width, height, phone in (('remote_phone.png', 390, 1300, True),
                                       ('remote_desktop.png', 1400, 1000, False)):
        driver = browser(width, height, phone)
        try:
            log_in(driver, port, password)
            driver.save_screenshot(f'{folder}/{name}')
        finally:
            driver.quit()


if __name__ == '__main__':
    if sys.argv[3] == 'check':
        check(sys.argv[1], sys.argv[2])
    else:
        shots(sys.argv[1], sys.argv[2], sys.argv[4])
