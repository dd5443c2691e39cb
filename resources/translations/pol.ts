<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Wyjście audio serwera NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Wybierz urządzenie:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testuj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Uczenie pilota</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Naucz pilota</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Wybierz „Rozpocznij”, aby rozpocząć uczenie nowego pilota.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Uwaga: niektóre piloty mogą być niezgodne.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Naciśnij i przytrzymaj przycisk na drugim pilocie, aż pasek postępu się zapełni.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Nie odebrano sygnału. Sprawdź pilota.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Konfiguracja zakończona. Czy zapisać tę konfigurację?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Przycisk już nauczony.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora zna już ten przycisk. Spróbuj ponownie z innym przyciskiem lub anuluj, aby użyć innego pilota.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Czy na pewno zresetować własnego pilota i usunąć nauczone przyciski?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Naucz przycisku W górę</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Naucz przycisku W dół</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Naucz przycisku W lewo</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Naucz przycisku W prawo</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Naucz przycisku Wybierz</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Naucz przycisku Wstecz</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Naucz przycisku Menu</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Dodaj metodę wprowadzania</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Usuń metodę wprowadzania</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Wyjście audio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Przełącz na Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Wyloguj</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Wskazówki</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Aplikacje używane przez Tellora w wersji 2 nie są zgodne z Tellora w wersji 3 i zostały odinstalowane podczas instalacji Tellora v3. Aby ponownie korzystać z tych aplikacji, zainstaluj ich najnowsze wersje z ustawień Tellora lub z KELP Control Panel. Zignoruj tę wiadomość, jeśli te aplikacje są już zainstalowane.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Ze względów bezpieczeństwa usługa Padlink (mobilny pilot do Tellora) jest w tej wersji domyślnie wyłączona. Aby używać aplikacji Padlink z Tellora, włącz ją w sekcji Ogólne → Włącz Padlink. Zalecamy używanie Padlink tylko w zaufanych sieciach lokalnych.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Aktualizacja zabezpieczeń: usługa Padlink domyślnie wyłączona</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Przejdź do ustawień</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumiem</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Ustawienia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikacje</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Pokaż godzinę</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Pokaż adres IP serwera Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Pokaż nazwę serwera</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Włącz Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Włącz automatyczne logowanie</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Wielozadaniowość</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Tę opcję mogą zmieniać tylko administratorzy</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Zastosuj teraz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Po zastosowaniu tej funkcji Tellora uruchomi się ponownie.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Uruchamiaj automatycznie</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Nie uruchamiaj automatycznie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Instalacja nie powiodła się</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicjowanie</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalowanie</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Instalacja zakończona</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Dodatkowe monitory</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Wyłącz ekran przy bezczynności</translation>
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
        <translation>Szablon 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Szablon 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Szablon 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślna</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Powiel</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Rozszerz w prawo</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Rozszerz w lewo</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Czy chcesz używać tej rozdzielczości?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Uwaga:
Jeśli ustawisz rozdzielczość wyjściową 4K 60 Hz, musisz użyć portu HDMI 2.0 i kabla HDMI 2.0.
Overscan zmniejsza obszar obrazu wyświetlany na ekranie. Im wyższa wartość procentowa, tym bardziej zmniejsza się wyświetlany obszar.
Te ustawienia ekranu mogą nie być stosowane w innych aplikacjach.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Metoda wprowadzania</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Wyjście audio serwera NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Własny pilot</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Naucz teraz</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Wersja: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Tylko administratorzy</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Tylko administratorzy mogą uruchamiać tę aplikację</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Ocena:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Podsumowanie:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Brak dostępnych aplikacji.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Rozdzielczość (2. monitor)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Rozdzielczość (3. monitor)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Rozdzielczość (4. monitor)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Rozdzielczość (5. monitor)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Uwaga:
Overscan zmniejsza obszar obrazu wyświetlany na ekranie. Im wyższa wartość procentowa, tym bardziej zmniejsza się wyświetlany obszar.
Te ustawienia ekranu mogą nie być stosowane w innych aplikacjach.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Metodę wprowadzania przełączysz klawiszami Ctrl+Spacja.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Test głośników</translation>
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
        <translation>Ekran główny serwera NAS na telewizorze: aplikacje, ich ustawienia i pilot w jednym miejscu.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Pomoc techniczna: support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Twórcy Tellora. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Wyświetla pasek zadań, aby kilka aplikacji mogło działać obok siebie. Tellora uruchomi się ponownie, aby to zastosować.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Czy na pewno przełączyć na Tandem? Zmiana aplikacji może potrwać kilka minut.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Zamknij aplikację</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Wróć do strony głównej</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Pokaż opcje</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Powrót</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Odtwórz / Pauza</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Przewiń do tyłu</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Przewiń do przodu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Przewiń</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Przytrzymaj ten przycisk przez 6 sekund, aby szybko uruchomić ponownie Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Obsługa ogólna</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Tellora można sterować jednym z poniższych urządzeń</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Pilot Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Przycisk One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Niektóre funkcje są dostępne tylko w wybranych aplikacjach.</translation>
    </message>
</context>
</TS>
