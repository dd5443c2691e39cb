<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Zvukový výstup NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Vyberte zařízení:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Učení dálkového ovladače</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Naučit dálkový ovladač</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Výběrem možnosti „Spustit“ zahájíte učení nového dálkového ovladače.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Poznámka: Některé dálkové ovladače nemusí být kompatibilní.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Stiskněte a podržte tlačítko na druhém dálkovém ovladači, dokud se ukazatel průběhu nezaplní.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Nebyl přijat žádný signál. Zkontrolujte dálkový ovladač.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Nastavení je dokončeno. Chcete tuto konfiguraci uložit?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Tlačítko je již naučené.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora se toto tlačítko již naučila. Zkuste to znovu s jiným tlačítkem, nebo akci zrušte a použijte jiný dálkový ovladač.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Opravdu chcete vlastní dálkový ovladač resetovat a vymazat naučená tlačítka?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetovat</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Naučit tlačítko Nahoru</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Naučit tlačítko Dolů</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Naučit tlačítko Vlevo</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Naučit tlačítko Vpravo</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Naučit tlačítko Vybrat</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Naučit tlačítko Zpět</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Naučit tlačítko Nabídka</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Přidat metodu zadávání</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Odebrat metodu zadávání</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Zvukový výstup</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Přepnout na Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Odhlásit se</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipy</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Aplikace používané systémem Tellora verze 2 nejsou kompatibilní se systémem Tellora verze 3 a během instalace Tellora v3 byly odinstalovány. Chcete-li tyto aplikace znovu používat, nainstalujte jejich nejnovější verze z nastavení Tellora nebo z KELP Control Panel. Pokud jste tyto aplikace již nainstalovali, tuto zprávu ignorujte.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Z bezpečnostních důvodů je služba Padlink (mobilní dálkový ovladač pro Tellora) v této verzi ve výchozím stavu vypnutá. Chcete-li aplikaci Padlink s Tellora používat, zapněte ji v části Obecné → Zapnout Padlink. Doporučujeme používat Padlink pouze v důvěryhodných místních sítích.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Aktualizace zabezpečení: služba Padlink je ve výchozím stavu vypnutá</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Přejít do nastavení</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumím</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Nastavení</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Obrazovka</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O systému</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Zobrazit čas</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Zobrazit IP adresu Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Zobrazit název serveru</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Zapnout Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Zapnout automatické přihlášení</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Tuto možnost mohou měnit pouze správci</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Použít nyní</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Po použití této funkce se Tellora restartuje.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalovat</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Zapnout</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Spouštět automaticky</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Nespouštět automaticky</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Instalace se nezdařila</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicializace</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalace</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Instalace dokončena</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozlišení</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Další monitory</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Vypnout obrazovku při nečinnosti</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Šablona 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Šablona 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Šablona 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Zrcadlit</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Rozšířit doprava</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Rozšířit doleva</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Chcete použít toto rozlišení?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Poznámka:
Pokud nastavíte výstupní rozlišení 4K 60 Hz, musíte použít port HDMI 2.0 a kabel HDMI 2.0.
Overscan zmenšuje oblast obrazu zobrazenou na obrazovce. Čím vyšší procento, tím více se zobrazená oblast zmenší.
Toto nastavení obrazovky se v jiných aplikacích nemusí projevit.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Metoda zadávání</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Zvukový výstup NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Dálkový ovladač</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Vlastní dálkový ovladač</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetovat</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Naučit</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Verze: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Pouze správci</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Tuto aplikaci mohou spouštět pouze správci</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Hodnocení:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Souhrn:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Nejsou k dispozici žádné aplikace.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Rozlišení (2. monitor)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Rozlišení (3. monitor)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Rozlišení (4. monitor)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Rozlišení (5. monitor)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Poznámka:
Overscan zmenšuje oblast obrazu zobrazenou na obrazovce. Čím vyšší procento, tím více se zobrazená oblast zmenší.
Toto nastavení obrazovky se v jiných aplikacích nemusí projevit.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Metodu zadávání přepnete klávesami Ctrl+mezerník.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Test reproduktorů</translation>
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
        <translation>Domovská obrazovka vašeho NAS na televizoru: aplikace, jejich nastavení a dálkový ovladač na jednom místě.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Technickou podporu najdete na support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Vývojáři Tellora. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Zobrazí hlavní panel, aby mohlo běžet více aplikací vedle sebe. Tellora se kvůli tomu restartuje.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Opravdu chcete přepnout na Tandem? Přepnutí aplikace může trvat několik minut.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Ukončit aplikaci</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Zpět na domovskou stránku</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Zobrazit možnosti</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Zesílit</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Zeslabit</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Přehrát / Pozastavit</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Přetočit zpět</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Přetočit vpřed</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vlevo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Vpravo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Posunout</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Podržením tohoto tlačítka po dobu 6 sekund rychle restartujete Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Obecné použití</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Tellora můžete ovládat jedním z níže uvedených zařízení</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Dálkový ovladač Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Tlačítko One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Některé funkce jsou k dispozici jen v určitých aplikacích.</translation>
    </message>
</context>
</TS>
