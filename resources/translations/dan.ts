<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-lydudgang</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Vælg enheden:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Indlær fjernbetjening</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Indlær fjernbetjening</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Vælg &quot;Start&quot; for at begynde indlæringen af den nye fjernbetjening.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Bemærk: Nogle fjernbetjeninger er muligvis ikke kompatible.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Hold knappen på den anden fjernbetjening nede, indtil statuslinjen er fuld.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Intet signal modtaget. Kontrollér fjernbetjeningen.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Opsætningen er fuldført. Vil du gemme denne konfiguration?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Knappen er allerede indlært.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora har allerede indlært denne knap. Prøv igen med en anden knap, eller annuller for at bruge en anden fjernbetjening.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Er du sikker på, at du vil nulstille den brugerdefinerede fjernbetjening og slette det indlærte?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Indlær knappen Op</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Indlær knappen Ned</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Indlær knappen Venstre</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Indlær knappen Højre</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Indlær knappen Vælg</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Indlær knappen Tilbage</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Indlær knappen Menu</translation>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Tilføj inputmetode</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Fjern inputmetode</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Bruger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Lydudgang</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Skift til Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Log ud</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Programmer, der blev brugt af Tellora version 2, er ikke kompatible med Tellora version 3 og er blevet afinstalleret under installationen af Tellora v3. Hvis du vil bruge disse programmer igen, skal du installere de nyeste versioner fra Tellora-indstillingerne eller KELP Control Panel. Se bort fra denne meddelelse, hvis du allerede har installeret programmerne.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>For at øge sikkerheden er Padlink-tjenesten (mobil fjernbetjening til Tellora) nu som standard deaktiveret i denne version. Hvis du vil bruge Padlink-appen med Tellora, skal du aktivere den under Generelt → Aktivér Padlink. Vi anbefaler kun at bruge Padlink på lokale netværk, du har tillid til.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Sikkerhedsopdatering: Padlink-tjenesten er som standard deaktiveret</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Gå til Indstillinger</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Forstået</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Indstillinger</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Skærm</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Præferencer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Vis klokkeslæt</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Vis IP for Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Vis servernavn</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Aktivér Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Aktivér automatisk login</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Kun administratorer kan ændre denne indstilling</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Anvend nu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora genstarter, når denne funktion er anvendt.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivér</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiver</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Start automatisk</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Start ikke automatisk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Installationen mislykkedes</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialiserer</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloader</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerer</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Installationen er fuldført</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Opløsning</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Sekundære skærme</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Sluk skærmen ved inaktivitet</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Baggrundsbillede</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Skabelon 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Skabelon 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Skabelon 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliker</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Udvid til højre</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Udvid til venstre</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Vil du bruge denne opløsning?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Bemærk:
Hvis du indstiller udgangsopløsningen til 4K 60 Hz, skal du bruge HDMI 2.0-porten med et HDMI 2.0-kabel.
Overscan formindsker det område af billedet, der vises på skærmen. Jo højere procentdel, jo mere formindskes det viste område.
Disse skærmindstillinger anvendes muligvis ikke i andre apps.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Inputmetode</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-lydudgang</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Fjernbetjening</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Brugerdefineret fjernbetjening</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Indlær nu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Kun administratorer</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Kun administratorer kan starte dette program</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Bedømmelse:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Resumé:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Ingen programmer tilgængelige.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Opløsning (2. skærm)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Opløsning (3. skærm)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Opløsning (4. skærm)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Opløsning (5. skærm)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Bemærk:
Overscan formindsker det område af billedet, der vises på skærmen. Jo højere procentdel, jo mere formindskes det viste område.
Disse skærmindstillinger anvendes muligvis ikke i andre apps.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Skift inputmetode med Ctrl+Mellemrum.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Højttalertest</translation>
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
        <translation>Startskærmen for din NAS på fjernsynet: dine programmer, deres indstillinger og fjernbetjeningen samlet ét sted.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Teknisk support finder du på support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora-udviklerne. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Viser proceslinjen, så flere programmer kan køre side om side. Tellora genstarter for at anvende det.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Er du sikker på, at du vil skifte til Tandem? Skift af program kan tage nogle minutter.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Afslut program</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Gå tilbage til startsiden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Vis indstillinger</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Lydstyrke op</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Lydstyrke ned</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Lyd fra</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Afspil / Pause</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spol tilbage</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Spol frem</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Højre</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Op</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rul</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Hold denne knap nede i 6 sekunder for hurtigt at genstarte Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Generel brug</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Du kan styre Tellora med en af enhederne nedenfor</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra-fjernbetjening</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mus</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy-knap</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Bemærk, at nogle funktioner kun findes i bestemte programmer.</translation>
    </message>
</context>
</TS>
