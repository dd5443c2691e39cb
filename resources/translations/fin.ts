<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-laitteen äänilähtö</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Valitse laite:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testaa</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Kaukosäätimen opettaminen</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Opeta kaukosäädin</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Aloita uuden kaukosäätimen opettaminen valitsemalla Aloita.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Huomautus: kaikki kaukosäätimet eivät välttämättä ole yhteensopivia.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Pidä toisen kaukosäätimen painiketta painettuna, kunnes edistymispalkki on täynnä.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Signaalia ei vastaanotettu. Tarkista kaukosäädin.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Määritys on valmis. Haluatko tallentaa tämän määrityksen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Painike on jo opetettu.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora on jo oppinut tämän painikkeen. Yritä uudelleen toisella painikkeella tai peruuta ja käytä toista kaukosäädintä.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Haluatko varmasti palauttaa mukautetun kaukosäätimen ja poistaa opetetut painikkeet?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Opeta Ylös-painike</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Opeta Alas-painike</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Opeta Vasen-painike</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Opeta Oikea-painike</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Opeta Valitse-painike</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Opeta Takaisin-painike</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Opeta Valikko-painike</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Lisää syöttötapa</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Poista syöttötapa</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Käyttäjä</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Äänilähtö</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Vaihda Tandemiin</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Kirjaudu ulos</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Vinkit</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Tellora-version 2 käyttämät sovellukset eivät ole yhteensopivia Tellora-version 3 kanssa, ja ne poistettiin Tellora v3:n asennuksen aikana. Jos haluat käyttää näitä sovelluksia uudelleen, asenna niiden uusimmat versiot Telloran asetuksista tai KELP Control Panelista. Ohita tämä viesti, jos olet jo asentanut nämä sovellukset.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Tietoturvan parantamiseksi Padlink-palvelu (Telloran mobiilikaukosäädin) on tässä versiossa oletusarvoisesti pois käytöstä. Jos haluat käyttää Padlink-sovellusta Telloran kanssa, ota se käyttöön kohdassa Yleiset → Ota Padlink käyttöön. Suosittelemme Padlinkin käyttöä vain luotetuissa paikallisverkoissa.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Tietoturvapäivitys: Padlink-palvelu on oletusarvoisesti pois käytöstä</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Siirry asetuksiin</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Selvä</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Asetukset</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Sovellukset</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Näyttö</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Valinnat</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Näytä kellonaika</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Näytä Stratus NAS -laitteen IP</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Näytä palvelimen nimi</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Ota Padlink käyttöön</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Ota automaattinen kirjautuminen käyttöön</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Moniajo</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Vain järjestelmänvalvojat voivat muuttaa tätä asetusta</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Käytä nyt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora käynnistyy uudelleen, kun tämä toiminto otetaan käyttöön.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Asenna</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Poista käytöstä</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Käynnistä automaattisesti</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Älä käynnistä automaattisesti</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Asennus epäonnistui</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Alustetaan</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Asennetaan</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Asennus on valmis</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Tarkkuus</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Toissijaiset näytöt</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Sammuta näyttö, kun laite on käyttämättä</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Ylipyyhkäisy</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Taustakuva</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Malli 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Malli 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Malli 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Kloonaa</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Laajenna oikealle</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Laajenna vasemmalle</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Haluatko käyttää tätä tarkkuutta?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Huomaa:
Jos asetat lähtötarkkuudeksi 4K 60 Hz, sinun on käytettävä HDMI 2.0 -liitäntää ja HDMI 2.0 -kaapelia.
Ylipyyhkäisy pienentää näytöllä näkyvää kuva-aluetta. Mitä suurempi prosenttiosuus, sitä enemmän näkyvä alue pienenee.
Näitä näyttöasetuksia ei välttämättä käytetä muissa sovelluksissa.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Syöttötapa</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-laitteen äänilähtö</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Kaukosäädin</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Mukautettu kaukosäädin</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Opeta nyt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versio: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Vain järjestelmänvalvojat</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Vain järjestelmänvalvojat voivat käynnistää tämän sovelluksen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tyyppi:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Arvio:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Yhteenveto:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Sovelluksia ei ole saatavilla.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Tarkkuus (2. näyttö)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Tarkkuus (3. näyttö)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Tarkkuus (4. näyttö)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Tarkkuus (5. näyttö)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Huomaa:
Ylipyyhkäisy pienentää näytöllä näkyvää kuva-aluetta. Mitä suurempi prosenttiosuus, sitä enemmän näkyvä alue pienenee.
Näitä näyttöasetuksia ei välttämättä käytetä muissa sovelluksissa.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Vaihda syöttötapaa painamalla Ctrl+välilyönti.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Kaiutintesti</translation>
    </message>
    <message>
        <source>- #1</source>
        <translation>- #1</translation>
    </message>
    <message>
        <source>- #2</source>
        <translation>- #2</translation>
    </message>
    <message>
        <source>- #3</source>
        <translation>- #3</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>The home screen of your storage appliance on the television: your applications, their settings and the remote control in one place.</source>
        <translation>NAS-laitteesi aloitusnäyttö televisiossa: sovellukset, niiden asetukset ja kaukosäädin samassa paikassa.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Teknistä tukea saat osoitteesta support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Telloran kehittäjät. Kaikki oikeudet pidätetään.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Näyttää tehtäväpalkin, jotta useita sovelluksia voi käyttää rinnakkain. Tellora käynnistyy uudelleen muutoksen käyttöön ottamiseksi.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Haluatko varmasti vaihtaa Tandemiin? Sovelluksen vaihtaminen voi kestää muutaman minuutin.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Sulje sovellus</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Palaa aloitussivulle</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Tiedot</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Näytä vaihtoehdot</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Äänenvoimakkuus ylös</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Äänenvoimakkuus alas</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mykistä</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Toista / Tauko</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Kelaa taaksepäin</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Kelaa eteenpäin</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Ylös</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Alas</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Vieritä</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Voit käynnistää Telloran nopeasti uudelleen pitämällä tätä painiketta painettuna 6 sekuntia.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Yleinen käyttö</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Voit ohjata Telloraa jollakin alla olevista laitteista</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra-kaukosäädin</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Näppäimistö</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Hiiri</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy -painike</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Huomaa, että jotkin toiminnot ovat käytettävissä vain tietyissä sovelluksissa.</translation>
    </message>
</context>
</TS>
