<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Audioausgabe des NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Bitte wählen Sie das Gerät:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Fernbedienung anlernen</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Fernbedienung anlernen</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Wählen Sie „Start“, um das Anlernen der neuen Fernbedienung zu beginnen.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Hinweis: Manche Fernbedienungen sind möglicherweise nicht kompatibel.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Halten Sie die Taste der anderen Fernbedienung gedrückt, bis der Balken voll ist.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Kein Signal empfangen. Prüfen Sie Ihre Fernbedienung.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Einrichtung abgeschlossen. Möchten Sie diese Konfiguration speichern?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Taste bereits angelernt.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora hat diese Taste bereits angelernt. Versuchen Sie es mit einer anderen Taste erneut oder brechen Sie ab, um eine andere Fernbedienung zu verwenden.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Möchten Sie die eigene Fernbedienung wirklich zurücksetzen, sodass sie nicht mehr angelernt ist?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Taste „Nach oben“ anlernen</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Taste „Nach unten“ anlernen</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Taste „Links“ anlernen</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Taste „Rechts“ anlernen</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Taste „Auswahl“ anlernen</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Taste „Zurück“ anlernen</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Taste „Menü“ anlernen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Eingabemethode hinzufügen</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Eingabemethode entfernen</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Audioausgabe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Zu Tandem wechseln</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Anwendungen, die von Tellora Version 2 verwendet wurden, sind mit Tellora Version 3 nicht kompatibel und wurden bei der Installation von Tellora v3 deinstalliert. Um diese Anwendungen wieder zu verwenden, installieren Sie ihre neuesten Versionen über die Tellora-Einstellungen oder das KELP Control Panel. Falls Sie diese Anwendungen bereits installiert haben, ignorieren Sie bitte diese Meldung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Zur Erhöhung der Sicherheit ist der Padlink-Dienst (mobile Fernbedienung für Tellora) in dieser Version standardmäßig deaktiviert. Um die Padlink-App mit Tellora zu verwenden, aktivieren Sie ihn unter Allgemein → Padlink aktivieren. Wir empfehlen, Padlink nur in vertrauenswürdigen lokalen Netzwerken zu verwenden.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Sicherheitsaktualisierung: Padlink-Dienst standardmäßig deaktiviert</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Zu den Einstellungen</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Einstellungen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Präferenzen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Uhrzeit anzeigen</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>IP des Stratus NAS anzeigen</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Servernamen anzeigen</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Padlink aktivieren</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Automatische Anmeldung aktivieren</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Nur Administratoren können diese Option ändern</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Jetzt übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora wird nach dem Übernehmen dieser Funktion neu gestartet.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Autostart festlegen</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Autostart aufheben</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Installation fehlgeschlagen</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Installation abgeschlossen</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Weitere Bildschirme</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Bildschirm bei Inaktivität ausschalten</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Vorlage 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Vorlage 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Vorlage 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Nach rechts erweitern</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Nach links erweitern</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Möchten Sie diese Auflösung verwenden?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Bitte beachten:
Wenn Sie die Ausgabeauflösung auf 4K 60 Hz einstellen, müssen Sie den HDMI-2.0-Anschluss mit einem HDMI-2.0-Kabel verwenden.
Overscan verkleinert den auf dem Bildschirm angezeigten Bildbereich. Je höher der Prozentsatz, desto stärker wird der angezeigte Bereich verkleinert.
Diese Anzeigeeinstellungen werden in anderen Apps möglicherweise nicht angewendet.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Eingabemethode</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Audioausgabe des NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Eigene Fernbedienung</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Jetzt anlernen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <translation>Nur Administratoren</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Nur Administratoren können diese Anwendung starten</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Bewertung:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Zusammenfassung:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Keine Anwendungen verfügbar.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Auflösung (2. Bildschirm)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Auflösung (3. Bildschirm)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Auflösung (4. Bildschirm)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Auflösung (5. Bildschirm)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Bitte beachten:
Overscan verkleinert den auf dem Bildschirm angezeigten Bildbereich. Je höher der Prozentsatz, desto stärker wird der angezeigte Bereich verkleinert.
Diese Anzeigeeinstellungen werden in anderen Apps möglicherweise nicht angewendet.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Mit Strg+Leertaste wechseln Sie die Eingabemethode.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Lautsprechertest</translation>
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
        <translation>Der Startbildschirm Ihres NAS auf dem Fernseher: Ihre Anwendungen, ihre Einstellungen und die Fernbedienung an einem Ort.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Technischen Support erhalten Sie unter support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora-Entwickler. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Zeigt die Taskleiste, damit mehrere Anwendungen nebeneinander laufen können. Tellora wird dazu neu gestartet.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Möchten Sie wirklich zu Tandem wechseln? Der Wechsel der Anwendung kann einige Minuten dauern.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Zurück zur Startseite</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Optionen anzeigen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Wiedergabe / Pause</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Vorspulen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Blättern</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Halten Sie diese Taste 6 Sekunden lang gedrückt, um Tellora schnell neu zu starten.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Allgemeine Bedienung</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Sie können Tellora mit einem der folgenden Geräte bedienen</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra-Fernbedienung</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One-Touch-Kopiertaste</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Bitte beachten Sie, dass einige Funktionen nur in bestimmten Anwendungen verfügbar sind.</translation>
    </message>
</context>
</TS>
