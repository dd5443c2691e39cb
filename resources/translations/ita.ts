<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Uscita audio del NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Selezionare il dispositivo:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Apprendimento telecomando</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Apprendi telecomando</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Selezionare &quot;Avvia&quot; per iniziare l&apos;apprendimento del nuovo telecomando.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Nota: alcuni telecomandi potrebbero non essere compatibili.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Tenere premuto il tasto sull&apos;altro telecomando finché la barra di avanzamento non è piena.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Nessun segnale ricevuto. Controllare il telecomando.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Configurazione completata. Salvare questa configurazione?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Tasto già appreso.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora ha già appreso questo tasto. Riprovare con un altro tasto oppure annullare per usare un altro telecomando.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Ripristinare il telecomando personalizzato cancellando i tasti appresi?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Apprendi il tasto Su</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Apprendi il tasto Giù</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Apprendi il tasto Sinistra</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Apprendi il tasto Destra</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Apprendi il tasto Seleziona</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Apprendi il tasto Indietro</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Apprendi il tasto Menu</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Aggiungi metodo di input</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Rimuovi metodo di input</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Uscita audio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Passa a Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Le applicazioni usate da Tellora versione 2 non sono compatibili con Tellora versione 3 e sono state disinstallate durante l&apos;installazione di Tellora v3. Per usare di nuovo queste applicazioni, installare le versioni più recenti dalle impostazioni di Tellora o dal KELP Control Panel. Ignorare questo messaggio se le applicazioni sono già state installate.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Per una maggiore sicurezza, in questa versione il servizio Padlink (telecomando mobile per Tellora) è disattivato per impostazione predefinita. Per usare l&apos;app Padlink con Tellora, attivarlo in Generale → Attiva Padlink. Si consiglia di usare Padlink solo su reti locali attendibili.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Aggiornamento di sicurezza: servizio Padlink disattivato per impostazione predefinita</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Vai alle impostazioni</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Impostazioni</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Mostra l&apos;ora</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Mostra l&apos;IP del NAS Stratus</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Mostra il nome del server</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Attiva Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Attiva accesso automatico</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Solo gli amministratori possono modificare questa opzione</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Applica ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora verrà riavviato dopo l&apos;applicazione di questa funzione.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Annulla avvio automatico</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Installazione non riuscita</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inizializzazione</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installazione in corso</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Installazione completata</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Monitor secondari</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Spegni lo schermo quando inattivo</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Modello 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Modello 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Modello 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Estendi a destra</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Estendi a sinistra</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Usare questa risoluzione?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Nota:
Se si imposta la risoluzione di uscita su 4K 60 Hz, è necessario usare la porta HDMI 2.0 con un cavo HDMI 2.0.
L&apos;overscan riduce l&apos;area dell&apos;immagine visualizzata sullo schermo. Più alta è la percentuale, più l&apos;area visualizzata si riduce.
Queste impostazioni dello schermo potrebbero non essere applicate in altre app.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Metodo di input</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Uscita audio del NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Telecomando personalizzato</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Apprendi ora</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Solo amministratori</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Solo gli amministratori possono avviare questa applicazione</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Valutazione:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Riepilogo:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Nessuna applicazione disponibile.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Risoluzione (2° monitor)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Risoluzione (3° monitor)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Risoluzione (4° monitor)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Risoluzione (5° monitor)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Nota:
L&apos;overscan riduce l&apos;area dell&apos;immagine visualizzata sullo schermo. Più alta è la percentuale, più l&apos;area visualizzata si riduce.
Queste impostazioni dello schermo potrebbero non essere applicate in altre app.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Cambiare metodo di input con Ctrl+Spazio.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Test altoparlanti</translation>
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
        <translation>La schermata iniziale del NAS sul televisore: applicazioni, relative impostazioni e telecomando in un unico posto.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Per l&apos;assistenza tecnica, visitare support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Sviluppatori di Tellora. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Mostra la barra delle applicazioni per usare più applicazioni affiancate. Tellora si riavvia per applicare la modifica.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Passare a Tandem? Il cambio di applicazione può richiedere alcuni minuti.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Esci dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Torna alla pagina iniziale</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Visualizza opzioni</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Riproduci / Pausa</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Riavvolgi</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Avanti veloce</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scorri</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Tenere premuto questo tasto per 6 secondi per riavviare rapidamente Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Uso generale</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Tellora si può controllare con uno dei dispositivi seguenti</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Telecomando Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Tasto One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Alcune funzioni sono disponibili solo in determinate applicazioni.</translation>
    </message>
</context>
</TS>
