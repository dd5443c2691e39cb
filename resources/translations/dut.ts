<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Audio-uitvoer van de NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Selecteer het apparaat:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Afstandsbediening aanleren</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Afstandsbediening aanleren</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Selecteer &apos;Starten&apos; om het aanleren van de nieuwe afstandsbediening te beginnen.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Let op: sommige afstandsbedieningen zijn mogelijk niet compatibel.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Houd de knop op de andere afstandsbediening ingedrukt tot de voortgangsbalk vol is.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Geen signaal ontvangen. Controleer uw afstandsbediening.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Instellen voltooid. Wilt u deze configuratie opslaan?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Knop al aangeleerd.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora heeft deze knop al aangeleerd. Probeer het opnieuw met een andere knop of annuleer om een andere afstandsbediening te gebruiken.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Weet u zeker dat u de eigen afstandsbediening wilt resetten en de aangeleerde knoppen wilt wissen?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Knop Omhoog aanleren</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Knop Omlaag aanleren</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Knop Links aanleren</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Knop Rechts aanleren</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Knop Selecteren aanleren</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Knop Terug aanleren</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Knop Menu aanleren</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Invoermethode toevoegen</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Invoermethode verwijderen</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Audio-uitvoer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Overschakelen naar Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Toepassingen die door Tellora versie 2 werden gebruikt, zijn niet compatibel met Tellora versie 3 en zijn bij de installatie van Tellora v3 verwijderd. Installeer de nieuwste versies via de Tellora-instellingen of het KELP Control Panel om deze toepassingen weer te gebruiken. Negeer dit bericht als u deze toepassingen al hebt geïnstalleerd.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Voor betere beveiliging is de Padlink-dienst (mobiele afstandsbediening voor Tellora) in deze versie standaard uitgeschakeld. Als u de Padlink-app met Tellora wilt gebruiken, schakel deze dan in bij Algemeen → Padlink inschakelen. We raden aan Padlink alleen op vertrouwde lokale netwerken te gebruiken.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Beveiligingsupdate: Padlink-dienst standaard uitgeschakeld</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Naar Instellingen</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Begrepen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Instellingen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Tijd weergeven</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>IP van Stratus NAS weergeven</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Servernaam weergeven</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Padlink inschakelen</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Automatisch aanmelden inschakelen</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Alleen beheerders kunnen deze optie wijzigen</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Nu toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora wordt opnieuw gestart nadat deze functie is toegepast.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Automatisch starten</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Niet automatisch starten</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Installatie mislukt</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialiseren</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Installatie voltooid</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Extra beeldschermen</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Scherm uitschakelen bij inactiviteit</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Sjabloon 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Sjabloon 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Sjabloon 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Uitbreiden naar rechts</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Uitbreiden naar links</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Wilt u deze resolutie gebruiken?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Let op:
Als u de uitvoerresolutie instelt op 4K 60 Hz, moet u de HDMI 2.0-poort met een HDMI 2.0-kabel gebruiken.
Overscan verkleint het deel van het beeld dat op het scherm wordt weergegeven. Hoe hoger het percentage, hoe kleiner het weergegeven deel.
Deze weergave-instellingen worden in andere apps mogelijk niet toegepast.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Invoermethode</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Audio-uitvoer van de NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Afstandsbediening</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Eigen afstandsbediening</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Nu aanleren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versie: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Alleen beheerders</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Alleen beheerders kunnen deze toepassing starten</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Waardering:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Samenvatting:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Geen toepassingen beschikbaar.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Resolutie (2e monitor)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Resolutie (3e monitor)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Resolutie (4e monitor)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Resolutie (5e monitor)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Let op:
Overscan verkleint het deel van het beeld dat op het scherm wordt weergegeven. Hoe hoger het percentage, hoe kleiner het weergegeven deel.
Deze weergave-instellingen worden in andere apps mogelijk niet toegepast.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Wissel van invoermethode met Ctrl+spatie.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Luidsprekertest</translation>
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
        <translation>Het startscherm van uw NAS op de televisie: uw toepassingen, hun instellingen en de afstandsbediening op één plek.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Ga voor technische ondersteuning naar support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora-ontwikkelaars. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Toont de taakbalk, zodat meerdere toepassingen naast elkaar kunnen draaien. Tellora wordt hiervoor opnieuw gestart.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Weet u zeker dat u wilt overschakelen naar Tandem? Het wisselen van toepassing kan enkele minuten duren.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Toepassing afsluiten</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Terug naar de startpagina</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Opties weergeven</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Volume omhoog</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Volume omlaag</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Dempen</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Afspelen / Pauze</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Terugspoelen</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Vooruitspoelen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scrollen</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Houd deze knop 6 seconden ingedrukt om Tellora snel opnieuw te starten.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Algemeen gebruik</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>U kunt Tellora bedienen met een van de onderstaande apparaten</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra-afstandsbediening</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Muis</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy-knop</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Sommige functies zijn alleen in bepaalde toepassingen beschikbaar.</translation>
    </message>
</context>
</TS>
