<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-lydutgang</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Velg enheten:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Lær inn fjernkontroll</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Lær inn fjernkontroll</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Velg «Start» for å begynne innlæringen av den nye fjernkontrollen.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Merk: Enkelte fjernkontroller er kanskje ikke kompatible.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Hold inne knappen på den andre fjernkontrollen til fremdriftslinjen er full.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Ingen signal mottatt. Kontroller fjernkontrollen.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Oppsettet er fullført. Vil du lagre denne konfigurasjonen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Knappen er allerede lært inn.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora har allerede lært inn denne knappen. Prøv igjen med en annen knapp, eller avbryt for å bruke en annen fjernkontroll.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Er du sikker på at du vil tilbakestille den egendefinerte fjernkontrollen og slette det innlærte?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Lær inn Opp-knappen</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Lær inn Ned-knappen</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Lær inn Venstre-knappen</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Lær inn Høyre-knappen</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Lær inn Velg-knappen</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Lær inn Tilbake-knappen</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Lær inn Meny-knappen</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Legg til inndatametode</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Fjern inndatametode</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Bruker</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Lydutgang</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Bytt til Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Logg av</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Programmer som ble brukt av Tellora versjon 2, er ikke kompatible med Tellora versjon 3 og ble avinstallert under installasjonen av Tellora v3. Hvis du vil bruke programmene igjen, må du installere de nyeste versjonene fra Tellora-innstillingene eller KELP Control Panel. Se bort fra denne meldingen hvis du allerede har installert programmene.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>For økt sikkerhet er Padlink-tjenesten (mobil fjernkontroll for Tellora) nå deaktivert som standard i denne versjonen. Hvis du vil bruke Padlink-appen med Tellora, aktiverer du den under Generelt → Aktiver Padlink. Vi anbefaler å bruke Padlink bare på lokale nettverk du stoler på.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Sikkerhetsoppdatering: Padlink-tjenesten er deaktivert som standard</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Gå til Innstillinger</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Skjønner</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Innstillinger</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Apper</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Skjerm</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferanser</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Vis klokkeslett</translation>
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
        <translation>Aktiver Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Aktiver automatisk pålogging</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Fleroppgavekjøring</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Bare administratorer kan endre dette alternativet</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Bruk nå</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora starter på nytt når denne funksjonen er tatt i bruk.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
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
        <translation>Ikke start automatisk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Installasjonen mislyktes</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialiserer</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerer</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Installasjonen er fullført</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Oppløsning</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Sekundære skjermer</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Slå av skjermen ved inaktivitet</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overskanning</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Bakgrunnsbilde</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Mal 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Mal 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Mal 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliser</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Utvid til høyre</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Utvid til venstre</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Vil du bruke denne oppløsningen?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Merk:
Hvis du setter utgangsoppløsningen til 4K 60 Hz, må du bruke HDMI 2.0-porten med en HDMI 2.0-kabel.
Overskanning reduserer området av bildet som vises på skjermen. Jo høyere prosent, desto mer reduseres det viste området.
Disse skjerminnstillingene blir kanskje ikke brukt i andre apper.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Inndatametode</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-lydutgang</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Fjernkontroll</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Egendefinert fjernkontroll</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Lær inn nå</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
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
        <translation>Versjon: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Bare administratorer</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Bare administratorer kan starte dette programmet</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Vurdering:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Sammendrag:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Ingen programmer er tilgjengelige.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Oppløsning (skjerm 2)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Oppløsning (skjerm 3)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Oppløsning (skjerm 4)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Oppløsning (skjerm 5)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Merk:
Overskanning reduserer området av bildet som vises på skjermen. Jo høyere prosent, desto mer reduseres det viste området.
Disse skjerminnstillingene blir kanskje ikke brukt i andre apper.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Bytt inndatametode med Ctrl+mellomrom.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Høyttalertest</translation>
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
        <translation>Startskjermen til NAS-en din på TV-en: programmene dine, innstillingene deres og fjernkontrollen samlet på ett sted.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Teknisk støtte finner du på support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora-utviklerne. Med enerett.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Viser oppgavelinjen, slik at flere programmer kan kjøre side om side. Tellora starter på nytt for å ta det i bruk.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Er du sikker på at du vil bytte til Tandem? Bytte av program kan ta noen minutter.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Avslutt programmet</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Gå tilbake til startsiden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Vis alternativer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Volum opp</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Volum ned</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Demp</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Spill av / Pause</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spol tilbake</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Spol fremover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Høyre</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Opp</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rull</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Hold inne denne knappen i 6 sekunder for å starte Tellora raskt på nytt.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Generell bruk</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Du kan styre Tellora med en av enhetene nedenfor</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra-fjernkontroll</translation>
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
        <translation>One Touch Copy-knapp</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Merk at enkelte funksjoner bare finnes i bestemte programmer.</translation>
    </message>
</context>
</TS>
