<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Sortie audio du NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Veuillez choisir l&apos;appareil :</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Apprentissage de télécommande</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Apprendre une télécommande</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Sélectionnez « Démarrer » pour commencer l’apprentissage de la nouvelle télécommande.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Remarque : certaines télécommandes peuvent être incompatibles.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Maintenez la touche de l’autre télécommande enfoncée jusqu’à ce que la barre de progression soit pleine.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Aucun signal reçu. Vérifiez votre télécommande.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Configuration terminée. Voulez-vous enregistrer cette configuration ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Touche déjà apprise.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora a déjà appris cette touche. Réessayez avec une autre touche, ou annulez pour utiliser une autre télécommande.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Voulez-vous vraiment réinitialiser la télécommande personnalisée et effacer son apprentissage ?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Apprendre la touche Haut</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Apprendre la touche Bas</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Apprendre la touche Gauche</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Apprendre la touche Droite</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Apprendre la touche Sélection</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Apprendre la touche Retour</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Apprendre la touche Menu</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Ajouter une méthode de saisie</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Supprimer une méthode de saisie</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Sortie audio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Passer à Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Astuces</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Les applications utilisées par Tellora version 2 ne sont pas compatibles avec Tellora version 3 et ont été désinstallées lors de l&apos;installation de Tellora v3. Pour utiliser à nouveau ces applications, installez leurs versions les plus récentes depuis les paramètres de Tellora ou le KELP Control Panel. Ignorez ce message si vous avez déjà installé ces applications.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Pour renforcer la sécurité, le service Padlink (télécommande mobile pour Tellora) est désormais désactivé par défaut dans cette version. Pour utiliser l&apos;application Padlink avec Tellora, activez-le dans Général → Activer Padlink. Nous vous recommandons d&apos;utiliser Padlink uniquement sur des réseaux locaux de confiance.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Mise à jour de sécurité : service Padlink désactivé par défaut</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Ouvrir les paramètres</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Paramètres</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Afficher l&apos;heure</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Afficher l&apos;IP du NAS Stratus</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Afficher le nom du serveur</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Activer Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Activer la connexion automatique</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitâche</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Seuls les administrateurs peuvent modifier cette option</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Appliquer maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora redémarrera après l&apos;application de cette fonction.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Ne plus lancer au démarrage</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Échec de l&apos;installation</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Installation terminée</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Écrans secondaires</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Éteindre l&apos;écran en cas d&apos;inactivité</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Surbalayage</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fond d&apos;écran</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Modèle 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Modèle 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Modèle 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Étendre à droite</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Étendre à gauche</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Voulez-vous utiliser cette résolution ?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Remarque :
Si vous réglez la résolution de sortie sur 4K 60 Hz, vous devez utiliser le port HDMI 2.0 avec un câble HDMI 2.0.
Le surbalayage réduit la zone de l&apos;image affichée à l&apos;écran. Plus le pourcentage est élevé, plus la zone affichée est réduite.
Ces paramètres d&apos;affichage peuvent ne pas s&apos;appliquer dans d&apos;autres applications.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Méthode de saisie</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Sortie audio du NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Télécommande personnalisée</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Administrateurs uniquement</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Seuls les administrateurs peuvent lancer cette application</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Résumé :</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Aucune application disponible.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Résolution (2e écran)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Résolution (3e écran)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Résolution (4e écran)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Résolution (5e écran)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Remarque :
Le surbalayage réduit la zone de l&apos;image affichée à l&apos;écran. Plus le pourcentage est élevé, plus la zone affichée est réduite.
Ces paramètres d&apos;affichage peuvent ne pas s&apos;appliquer dans d&apos;autres applications.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Changez de méthode de saisie avec Ctrl+Espace.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Test des haut-parleurs</translation>
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
        <translation>L&apos;écran d&apos;accueil de votre NAS sur le téléviseur : vos applications, leurs paramètres et la télécommande réunis au même endroit.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Pour l&apos;assistance technique, rendez-vous sur support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Développeurs de Tellora. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Affiche la barre des tâches pour utiliser plusieurs applications côte à côte. Tellora redémarre pour l&apos;appliquer.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Voulez-vous vraiment passer à Tandem ? Le changement d&apos;application peut prendre quelques minutes.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Revenir à l&apos;accueil</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Afficher les options</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Augmenter le volume</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Lecture / Pause</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retour rapide</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Avance rapide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Défiler</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Maintenez ce bouton enfoncé pendant 6 secondes pour redémarrer rapidement Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Utilisation générale</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Vous pouvez contrôler Tellora avec l&apos;un des appareils ci-dessous</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Télécommande Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Bouton de copie One Touch</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Veuillez noter que certaines fonctions ne sont disponibles que dans certaines applications.</translation>
    </message>
</context>
</TS>
