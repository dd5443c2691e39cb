<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS hangkimenet</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Válassza ki az eszközt:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teszt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Távirányító betanítása</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Távirányító betanítása</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Az új távirányító betanításának megkezdéséhez válassza az „Indítás” lehetőséget.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Megjegyzés: egyes távirányítók nem kompatibilisek.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Nyomja meg és tartsa lenyomva a másik távirányító gombját, amíg a folyamatjelző meg nem telik.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Nem érkezett jel. Ellenőrizze a távirányítót.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>A beállítás kész. Menti ezt a konfigurációt?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>A gomb már be van tanítva.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>A Tellora ezt a gombot már megtanulta. Próbálja újra egy másik gombbal, vagy a Mégse gombbal használjon másik távirányítót.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Biztosan visszaállítja az egyéni távirányítót, és törli a betanított gombokat?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Fel gomb betanítása</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Le gomb betanítása</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Balra gomb betanítása</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Jobbra gomb betanítása</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Kiválasztás gomb betanítása</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Vissza gomb betanítása</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Menü gomb betanítása</translation>
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
        <translation>Mégse</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
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
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Beviteli mód hozzáadása</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Beviteli mód eltávolítása</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Felhasználó</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Hangkimenet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Váltás a Tandemre</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Kijelentkezés</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tippek</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>A Tellora 2-es verziója által használt alkalmazások nem kompatibilisek a Tellora 3-as verziójával, ezért a Tellora v3 telepítésekor eltávolítottuk őket. Az alkalmazások ismételt használatához telepítse a legújabb verziójukat a Tellora beállításaiból vagy a KELP Control Panelből. Ha már telepítette ezeket az alkalmazásokat, hagyja figyelmen kívül ezt az üzenetet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>A nagyobb biztonság érdekében a Padlink szolgáltatás (mobil távirányító a Tellorához) ebben a kiadásban alapértelmezés szerint ki van kapcsolva. Ha a Padlink alkalmazást a Tellorával szeretné használni, kapcsolja be itt: Általános → Padlink bekapcsolása. A Padlink használatát csak megbízható helyi hálózatokon javasoljuk.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Biztonsági frissítés: a Padlink szolgáltatás alapértelmezés szerint ki van kapcsolva</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Ugrás a beállításokhoz</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Értem</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Beállítások</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Alkalmazások</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Kijelző</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenciák</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Idő megjelenítése</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Stratus NAS IP-címének megjelenítése</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Kiszolgálónév megjelenítése</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Padlink bekapcsolása</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Automatikus bejelentkezés bekapcsolása</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Többfeladatos mód</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Ezt a beállítást csak rendszergazdák módosíthatják</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Alkalmazás most</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>A funkció alkalmazása után a Tellora újraindul.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Bekapcsolás</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Kikapcsolás</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Automatikus indítás</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Automatikus indítás ki</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>A telepítés sikertelen</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Előkészítés</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Telepítés folyamatban</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>A telepítés befejeződött</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Felbontás</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>További monitorok</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Képernyő kikapcsolása tétlenség esetén</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Túlpásztázás</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Háttérkép</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>1. sablon</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>2. sablon</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>3. sablon</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapértelmezett</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>min</source>
        <translation>perc</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Tükrözés</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Kiterjesztés jobbra</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Kiterjesztés balra</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Ezt a felbontást szeretné használni?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Megjegyzés:
Ha a kimeneti felbontást 4K 60 Hz-re állítja, a HDMI 2.0 portot és HDMI 2.0 kábelt kell használnia.
A túlpásztázás csökkenti a képernyőn megjelenő képterületet. Minél nagyobb a százalék, annál kisebb a megjelenő terület.
Előfordulhat, hogy ezek a kijelzőbeállítások más alkalmazásokban nem érvényesülnek.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Beviteli mód</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS hangkimenet</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Távirányító</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Egyéni távirányító</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Betanítás</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Verzió: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Csak rendszergazdák</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Ezt az alkalmazást csak rendszergazdák indíthatják</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Típus:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Értékelés:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Összefoglaló:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Nincs elérhető alkalmazás.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Felbontás (2. monitor)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Felbontás (3. monitor)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Felbontás (4. monitor)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Felbontás (5. monitor)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Megjegyzés:
A túlpásztázás csökkenti a képernyőn megjelenő képterületet. Minél nagyobb a százalék, annál kisebb a megjelenő terület.
Előfordulhat, hogy ezek a kijelzőbeállítások más alkalmazásokban nem érvényesülnek.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>A beviteli módok között a Ctrl+Szóköz billentyűkkel válthat.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Hangszóróteszt</translation>
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
        <translation>A NAS kezdőképernyője a tévén: az alkalmazások, azok beállításai és a távirányító egy helyen.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Műszaki támogatás: support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) A Tellora fejlesztői. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Megjeleníti a tálcát, így több alkalmazás futhat egymás mellett. A Tellora az alkalmazáshoz újraindul.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Biztosan átvált a Tandemre? Az alkalmazásváltás eltarthat néhány percig.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Kilépés az alkalmazásból</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Vissza a kezdőlapra</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Beállítási lehetőségek</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Hangerő fel</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Hangerő le</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Némítás</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Lejátszás / Szünet</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Visszatekerés</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Előretekerés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Balra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Jobbra</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Le</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Görgetés</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>A gombot 6 másodpercig lenyomva tartva gyorsan újraindíthatja a Tellorát.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Általános használat</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>A Tellora az alábbi eszközök bármelyikével vezérelhető</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra távirányító</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Billentyűzet</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Egér</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy gomb</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Egyes funkciók csak bizonyos alkalmazásokban érhetők el.</translation>
    </message>
</context>
</TS>
