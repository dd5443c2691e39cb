<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Έξοδος ήχου NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Επιλέξτε τη συσκευή:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Δοκιμή</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Εκμάθηση τηλεχειριστηρίου</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Εκμάθηση τηλεχειριστηρίου</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Επιλέξτε «Έναρξη» για να ξεκινήσει η εκμάθηση του νέου τηλεχειριστηρίου.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Σημείωση: Ορισμένα τηλεχειριστήρια μπορεί να μην είναι συμβατά.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Πατήστε παρατεταμένα το κουμπί στο άλλο τηλεχειριστήριο μέχρι να γεμίσει η γραμμή προόδου.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Δεν λήφθηκε σήμα. Ελέγξτε το τηλεχειριστήριο.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Η ρύθμιση ολοκληρώθηκε. Θέλετε να αποθηκεύσετε αυτή τη διαμόρφωση;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Το κουμπί έχει ήδη καταχωριστεί.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Το Tellora έχει ήδη μάθει αυτό το κουμπί. Δοκιμάστε ξανά με άλλο κουμπί ή ακυρώστε για να χρησιμοποιήσετε άλλο τηλεχειριστήριο.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Δοκιμή ξανά</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Θέλετε σίγουρα να επαναφέρετε το προσαρμοσμένο τηλεχειριστήριο και να διαγράψετε τα κουμπιά που έχει μάθει;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Εκμάθηση κουμπιού Πάνω</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Εκμάθηση κουμπιού Κάτω</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Εκμάθηση κουμπιού Αριστερά</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Εκμάθηση κουμπιού Δεξιά</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Εκμάθηση κουμπιού Επιλογή</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Εκμάθηση κουμπιού Πίσω</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Εκμάθηση κουμπιού Μενού</translation>
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
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
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
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Προσθήκη μεθόδου εισαγωγής</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Κατάργηση μεθόδου εισαγωγής</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Χρήστης</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Έξοδος ήχου</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Μετάβαση στο Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Αποσύνδεση</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Συμβουλές</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Οι εφαρμογές που χρησιμοποιούσε το Tellora έκδοση 2 δεν είναι συμβατές με το Tellora έκδοση 3 και απεγκαταστάθηκαν κατά την εγκατάσταση του Tellora v3. Για να χρησιμοποιήσετε ξανά αυτές τις εφαρμογές, εγκαταστήστε τις πιο πρόσφατες εκδόσεις τους από τις ρυθμίσεις του Tellora ή από το KELP Control Panel. Αγνοήστε αυτό το μήνυμα αν έχετε ήδη εγκαταστήσει αυτές τις εφαρμογές.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Για αυξημένη ασφάλεια, η υπηρεσία Padlink (φορητό τηλεχειριστήριο για το Tellora) είναι πλέον απενεργοποιημένη από προεπιλογή σε αυτή την έκδοση. Για να χρησιμοποιήσετε την εφαρμογή Padlink με το Tellora, ενεργοποιήστε την από Γενικά → Ενεργοποίηση Padlink. Συνιστούμε να χρησιμοποιείτε το Padlink μόνο σε αξιόπιστα τοπικά δίκτυα.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Ενημέρωση ασφαλείας: η υπηρεσία Padlink είναι απενεργοποιημένη από προεπιλογή</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Μετάβαση στις ρυθμίσεις</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Κατάλαβα</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Εφαρμογές</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Οθόνη</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Εμφάνιση ώρας</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Εμφάνιση IP του Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Εμφάνιση ονόματος διακομιστή</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Ενεργοποίηση Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Ενεργοποίηση αυτόματης σύνδεσης</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Πολυεργασία</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Μόνο οι διαχειριστές μπορούν να αλλάξουν αυτή την επιλογή</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Εφαρμογή τώρα</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Το Tellora θα επανεκκινηθεί μετά την εφαρμογή αυτής της λειτουργίας.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Απενεργοποίηση</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Αυτόματη εκκίνηση</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Κατάργηση αυτόματης εκκίνησης</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Η εγκατάσταση απέτυχε</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Προετοιμασία</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Εγκατάσταση σε εξέλιξη</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Η εγκατάσταση ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Ανάλυση</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Δευτερεύουσες οθόνες</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Απενεργοποίηση οθόνης σε αδράνεια</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Ταπετσαρία</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Πρότυπο 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Πρότυπο 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Πρότυπο 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Προεπιλογή</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <source>min</source>
        <translation>λεπ.</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Επέκταση δεξιά</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Επέκταση αριστερά</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Θέλετε να χρησιμοποιήσετε αυτή την ανάλυση;</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Σημείωση:
Αν ορίσετε την ανάλυση εξόδου σε 4K 60 Hz, πρέπει να χρησιμοποιήσετε τη θύρα HDMI 2.0 με καλώδιο HDMI 2.0.
Το overscan μειώνει την περιοχή της εικόνας που εμφανίζεται στην οθόνη. Όσο μεγαλύτερο το ποσοστό, τόσο περισσότερο μειώνεται η περιοχή που εμφανίζεται.
Αυτές οι ρυθμίσεις οθόνης ενδέχεται να μην εφαρμόζονται σε άλλες εφαρμογές.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Μέθοδος εισαγωγής</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Έξοδος ήχου NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Τηλεχειριστήριο</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Προσαρμοσμένο τηλεχειριστήριο</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Εκμάθηση τώρα</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Κατάργηση</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Έκδοση: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Μόνο διαχειριστές</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Μόνο οι διαχειριστές μπορούν να εκκινήσουν αυτή την εφαρμογή</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Βαθμολογία:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Σύνοψη:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Δεν υπάρχουν διαθέσιμες εφαρμογές.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Ανάλυση (2η οθόνη)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Ανάλυση (3η οθόνη)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Ανάλυση (4η οθόνη)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Ανάλυση (5η οθόνη)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Σημείωση:
Το overscan μειώνει την περιοχή της εικόνας που εμφανίζεται στην οθόνη. Όσο μεγαλύτερο το ποσοστό, τόσο περισσότερο μειώνεται η περιοχή που εμφανίζεται.
Αυτές οι ρυθμίσεις οθόνης ενδέχεται να μην εφαρμόζονται σε άλλες εφαρμογές.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Αλλάξτε μέθοδο εισαγωγής με Ctrl+Διάστημα.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Δοκιμή ηχείων</translation>
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
        <translation>Η αρχική οθόνη του NAS σας στην τηλεόραση: οι εφαρμογές σας, οι ρυθμίσεις τους και το τηλεχειριστήριο σε ένα σημείο.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Για τεχνική υποστήριξη, επισκεφθείτε το support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Προγραμματιστές του Tellora. Με την επιφύλαξη παντός δικαιώματος.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Εμφανίζει τη γραμμή εργασιών, ώστε να εκτελούνται πολλές εφαρμογές δίπλα-δίπλα. Το Tellora επανεκκινείται για να εφαρμοστεί η αλλαγή.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Θέλετε σίγουρα να μεταβείτε στο Tandem; Η αλλαγή εφαρμογής μπορεί να διαρκέσει λίγα λεπτά.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Έξοδος από την εφαρμογή</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Επιστροφή στην αρχική σελίδα</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Προβολή επιλογών</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Επιστροφή</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Αύξηση έντασης</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Μείωση έντασης</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Σίγαση</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Αναπαραγωγή / Παύση</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Γρήγορη επιστροφή</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Γρήγορη προώθηση</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Αριστερά</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Δεξιά</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Πάνω</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Κάτω</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Κύλιση</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Κρατήστε πατημένο αυτό το κουμπί για 6 δευτερόλεπτα για γρήγορη επανεκκίνηση του Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Γενική χρήση</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Μπορείτε να χειριστείτε το Tellora με μία από τις παρακάτω συσκευές</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Τηλεχειριστήριο Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Πληκτρολόγιο</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ποντίκι</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Κουμπί One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Ορισμένες λειτουργίες είναι διαθέσιμες μόνο σε συγκεκριμένες εφαρμογές.</translation>
    </message>
</context>
</TS>
