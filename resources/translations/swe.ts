<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-ljudutgång</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Välj enheten:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testa</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Lär in fjärrkontroll</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Lär in fjärrkontroll</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Välj &quot;Starta&quot; för att börja lära in den nya fjärrkontrollen.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Obs! Vissa fjärrkontroller är kanske inte kompatibla.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Håll ned knappen på den andra fjärrkontrollen tills förloppsindikatorn är full.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Ingen signal togs emot. Kontrollera fjärrkontrollen.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Inställningen är klar. Vill du spara den här konfigurationen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Knappen är redan inlärd.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora har redan lärt in den här knappen. Försök igen med en annan knapp, eller avbryt för att använda en annan fjärrkontroll.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Vill du återställa den anpassade fjärrkontrollen och radera det inlärda?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Lär in knappen Upp</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Lär in knappen Ned</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Lär in knappen Vänster</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Lär in knappen Höger</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Lär in knappen Välj</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Lär in knappen Bakåt</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Lär in knappen Meny</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Lägg till inmatningsmetod</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Ta bort inmatningsmetod</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Användare</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Ljudutgång</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Byt till Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Program som användes av Tellora version 2 är inte kompatibla med Tellora version 3 och har avinstallerats vid installationen av Tellora v3. Om du vill använda programmen igen installerar du de senaste versionerna från Tellora-inställningarna eller KELP Control Panel. Bortse från det här meddelandet om du redan har installerat programmen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>För ökad säkerhet är tjänsten Padlink (mobil fjärrkontroll för Tellora) nu avaktiverad som standard i den här versionen. Om du vill använda Padlink-appen med Tellora aktiverar du den under Allmänt → Aktivera Padlink. Vi rekommenderar att du bara använder Padlink i betrodda lokala nätverk.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Säkerhetsuppdatering: tjänsten Padlink är avaktiverad som standard</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Gå till Inställningar</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Uppfattat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Inställningar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Appar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Bildskärm</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenser</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Visa tid</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Visa IP för Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Visa servernamn</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Aktivera Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Aktivera automatisk inloggning</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Endast administratörer kan ändra det här alternativet</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Verkställ nu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora startas om när funktionen har verkställts.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installera</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Avaktivera</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Starta automatiskt</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Starta inte automatiskt</translation>
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
        <translation>Installationen misslyckades</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initierar</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Hämtar</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerar</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Installationen är klar</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Upplösning</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Sekundära bildskärmar</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Stäng av skärmen vid inaktivitet</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Överskanning</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Bakgrundsbild</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Mall 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Mall 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Mall 3</translation>
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
        <translation>Duplicera</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Utöka åt höger</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Utöka åt vänster</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Vill du använda den här upplösningen?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Obs!
Om du ställer in utgångsupplösningen på 4K 60 Hz måste du använda HDMI 2.0-porten med en HDMI 2.0-kabel.
Överskanning minskar den del av bilden som visas på skärmen. Ju högre procentsats, desto mer minskas den visade delen.
De här bildskärmsinställningarna tillämpas kanske inte i andra appar.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Inmatningsmetod</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS-ljudutgång</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Fjärrkontroll</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Anpassad fjärrkontroll</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Lär in nu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
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
        <translation>Endast administratörer</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Endast administratörer kan starta det här programmet</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Betyg:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Sammanfattning:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Inga program är tillgängliga.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Upplösning (skärm 2)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Upplösning (skärm 3)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Upplösning (skärm 4)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Upplösning (skärm 5)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Obs!
Överskanning minskar den del av bilden som visas på skärmen. Ju högre procentsats, desto mer minskas den visade delen.
De här bildskärmsinställningarna tillämpas kanske inte i andra appar.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Byt inmatningsmetod med Ctrl+Blanksteg.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Högtalartest</translation>
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
        <translation>Startskärmen för din NAS på tv:n: dina program, deras inställningar och fjärrkontrollen på ett ställe.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Teknisk support finns på support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora-utvecklarna. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Visar aktivitetsfältet så att flera program kan köras sida vid sida. Tellora startas om för att tillämpa det.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Vill du byta till Tandem? Programbytet kan ta några minuter.</translation>
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
        <translation>Avsluta programmet</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Tillbaka till startsidan</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Visa alternativ</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Volym upp</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Volym ned</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ljud av</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Spela upp / Paus</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spola bakåt</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Spola framåt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Upp</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Håll ned den här knappen i 6 sekunder för att snabbt starta om Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Allmän användning</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Du kan styra Tellora med någon av enheterna nedan</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra-fjärrkontroll</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tangentbord</translation>
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
        <translation>Observera att vissa funktioner bara finns i vissa program.</translation>
    </message>
</context>
</TS>
