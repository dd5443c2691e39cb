<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Ieșire audio NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Selectați dispozitivul:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicare</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Învățare telecomandă</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Învățare telecomandă</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Selectați „Start” pentru a începe învățarea noii telecomenzi.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Notă: unele telecomenzi pot fi incompatibile.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Țineți apăsat butonul de pe cealaltă telecomandă până când bara de progres se umple.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Nu s-a primit niciun semnal. Verificați telecomanda.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Configurare finalizată. Doriți să salvați această configurație?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Buton deja învățat.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora a învățat deja acest buton. Încercați din nou cu alt buton sau anulați pentru a folosi altă telecomandă.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reîncercare</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Sigur doriți să resetați telecomanda personalizată și să ștergeți butoanele învățate?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Învățare buton Sus</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Învățare buton Jos</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Învățare buton Stânga</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Învățare buton Dreapta</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Învățare buton Selectare</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Învățare buton Înapoi</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Învățare buton Meniu</translation>
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
        <translation>Anulare</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
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
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Adăugare metodă de introducere</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Eliminare metodă de introducere</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Utilizator</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Ieșire audio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Comutare la Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Sfaturi</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Aplicațiile folosite de Tellora versiunea 2 nu sunt compatibile cu Tellora versiunea 3 și au fost dezinstalate în timpul instalării Tellora v3. Pentru a folosi din nou aceste aplicații, instalați cele mai recente versiuni ale lor din setările Tellora sau din KELP Control Panel. Ignorați acest mesaj dacă ați instalat deja aceste aplicații.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Pentru mai multă securitate, serviciul Padlink (telecomandă mobilă pentru Tellora) este acum dezactivat implicit în această versiune. Pentru a folosi aplicația Padlink cu Tellora, activați-l din General → Activare Padlink. Vă recomandăm să folosiți Padlink doar în rețele locale de încredere.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Actualizare de securitate: serviciul Padlink este dezactivat implicit</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Accesați Setări</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Am înțeles</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Setări</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplicații</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Afișaj</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferințe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Afișare oră</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Afișare IP Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Afișare nume server</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Activare Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Activare conectare automată</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Doar administratorii pot modifica această opțiune</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Aplicare acum</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora va reporni după aplicarea acestei funcții.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizare</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalare</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activare</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Dezactivare</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Pornire automată</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Fără pornire automată</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Instalare nereușită</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Se inițializează</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Se descarcă</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Se instalează</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Instalare finalizată</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rezoluție</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Monitoare secundare</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Oprire ecran la inactivitate</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Imagine de fundal</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Șablon 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Șablon 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Șablon 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Implicit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicare</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Extindere la dreapta</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Extindere la stânga</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Doriți să folosiți această rezoluție?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Notă:
Dacă setați rezoluția de ieșire la 4K 60 Hz, trebuie să folosiți portul HDMI 2.0 cu un cablu HDMI 2.0.
Overscan reduce zona imaginii afișate pe ecran. Cu cât procentul este mai mare, cu atât zona afișată se reduce mai mult.
Este posibil ca aceste setări de afișaj să nu se aplice în alte aplicații.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Metodă de introducere</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Ieșire audio NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Telecomandă</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Telecomandă personalizată</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Învățare acum</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adăugare</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminare</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versiune: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Doar administratori</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Doar administratorii pot porni această aplicație</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Evaluare:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Rezumat:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Nu există aplicații disponibile.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Rezoluție (monitorul 2)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Rezoluție (monitorul 3)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Rezoluție (monitorul 4)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Rezoluție (monitorul 5)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Notă:
Overscan reduce zona imaginii afișate pe ecran. Cu cât procentul este mai mare, cu atât zona afișată se reduce mai mult.
Este posibil ca aceste setări de afișaj să nu se aplice în alte aplicații.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Comutați metoda de introducere cu Ctrl+Spațiu.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Test difuzoare</translation>
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
        <translation>Ecranul de pornire al NAS-ului pe televizor: aplicațiile, setările lor și telecomanda într-un singur loc.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Pentru asistență tehnică, vizitați support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Dezvoltatorii Tellora. Toate drepturile rezervate.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Afișează bara de activități, pentru ca mai multe aplicații să ruleze una lângă alta. Tellora repornește pentru a aplica modificarea.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Sigur doriți să comutați la Tandem? Schimbarea aplicației poate dura câteva minute.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Ieșire din aplicație</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Înapoi la pagina de pornire</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informații</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Vizualizare opțiuni</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selectare</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Volum mai tare</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Volum mai încet</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Fără sunet</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Redare / Pauză</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Derulare înapoi</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Derulare înainte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Stânga</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dreapta</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Sus</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Derulare</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Țineți apăsat acest buton 6 secunde pentru a reporni rapid Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Utilizare generală</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Puteți controla Tellora cu unul dintre dispozitivele de mai jos</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Telecomandă Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatură</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Buton One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Rețineți că unele funcții sunt disponibile doar în anumite aplicații.</translation>
    </message>
</context>
</TS>
