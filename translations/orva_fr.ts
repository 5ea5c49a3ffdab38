<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>WindowText</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Converts video and audio files for phones, players and the web.</source>
        <translation>Convertit des fichiers vidéo et audio pour téléphones, lecteurs et le web.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About Orva Video Converter...</source>
        <translation>À &amp;propos d&apos;Orva Video Converter...</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove Selected File(s) From List</source>
        <translation>Retirer le(s) fichier(s) sélectionné(s) de la liste</translation>
    </message>
    <message>
        <source>Remove All Files From List</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Browse Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Stop Convert</source>
        <translation>Arrêter la conversion</translation>
    </message>
    <message>
        <source>Click it to play</source>
        <translation>Cliquer pour lire</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Find new version,update or not?</source>
        <translation>Une nouvelle version est disponible. Mettre à jour ?</translation>
    </message>
    <message>
        <source>Set Current Time to Begin Time?</source>
        <translation>Définir la position actuelle comme début ?</translation>
    </message>
    <message>
        <source>Set Current Time to End Time?</source>
        <translation>Définir la position actuelle comme fin ?</translation>
    </message>
    <message>
        <source>Begin time is large,change it before to continue</source>
        <translation>Le début se trouve après la fin. Modifiez-le avant de continuer.</translation>
    </message>
    <message>
        <source>given path is not writable, ignore the error</source>
        <translation>Ce dossier n&apos;est pas accessible en écriture. Ignorer l&apos;erreur ?</translation>
    </message>
    <message>
        <source>Reading File Info ,please wait...</source>
        <translation>Lecture des informations du fichier, veuillez patienter...</translation>
    </message>
    <message>
        <source>Please stop ripping first and try again.

Do you want to stop now?</source>
        <translation>Veuillez d&apos;abord arrêter la conversion, puis réessayer.

Arrêter maintenant ?</translation>
    </message>
    <message>
        <source>Orva Video Converter</source>
        <translation>Orva Video Converter</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Réussi !</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Échec !</translation>
    </message>
    <message>
        <source>FATAL!</source>
        <translation>FATAL !</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Extension:</source>
        <translation>Extension :</translation>
    </message>
    <message>
        <source>Elapsed Time:</source>
        <translation>Écoulé :</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Restant :</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin :</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Taille finale</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>!Waring!</source>
        <translation>Attention !</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Drop video or audio files here</source>
        <translation>Déposez ici des fichiers vidéo ou audio</translation>
    </message>
    <message>
        <source>or use Add Files to pick them</source>
        <translation>ou choisissez-les avec Ajouter</translation>
    </message>
    <message>
        <source>Completed:</source>
        <translation>Terminé :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Save in the same folder as the original file</source>
        <translation>Enregistrer dans le dossier du fichier d&apos;origine</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Profile Name:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Codec vidéo :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>BitRate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>AspectRatio:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>FrameRate:</source>
        <translation>Images/s :</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Codec audio :</translation>
    </message>
    <message>
        <source>SampleRate:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>%1% complete. Estimated completion: %2</source>
        <translation>%1 % terminé. Fin estimée : %2</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 pour cent</translation>
    </message>
    <message>
        <source>Set the begin time to the preview&apos;s position</source>
        <translation>Placer le début à la position de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Go to the begin time</source>
        <translation>Aller au début</translation>
    </message>
    <message>
        <source>Set the end time to the preview&apos;s position</source>
        <translation>Placer la fin à la position de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Go to the end time</source>
        <translation>Aller à la fin</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Ouvrir la page d&apos;accueil</translation>
    </message>
    <message>
        <source>Open the help page</source>
        <translation>Ouvrir la page d&apos;aide</translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <translation>non conservé : %1</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>Définir le début</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Définir la fin</translation>
    </message>
    <message>
        <source>the path is 260 bytes or longer</source>
        <translation>le chemin fait 260 octets ou plus</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés :</translation>
    </message>
    <message>
        <source>the source has no audio stream to convert</source>
        <translation>la source n&apos;a pas de piste audio à convertir</translation>
    </message>
    <message>
        <source>the encoder ended with status %1</source>
        <translation>l&apos;encodeur s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>the encoder was ended by signal %1</source>
        <translation>l&apos;encodeur a été arrêté par le signal %1</translation>
    </message>
    <message>
        <source>no encoder program at %1</source>
        <translation>aucun encodeur à l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>the encoder program %1 cannot be started</source>
        <translation>l&apos;encodeur %1 ne peut pas être lancé</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>le dossier de destination %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the output folder %1 is not writable</source>
        <translation>le dossier de destination %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>stopped after %1 of the range</source>
        <translation>arrêté après %1 de la plage</translation>
    </message>
    <message>
        <source>the encoder wrote only %1 of the range</source>
        <translation>l&apos;encodeur n&apos;a écrit que %1 de la plage</translation>
    </message>
    <message>
        <source>the encoder command would be longer than 1023 characters</source>
        <translation>la commande de l&apos;encodeur dépasserait 1023 caractères</translation>
    </message>
    <message>
        <source>the output path would be too long (259 characters, 255 for the file name)</source>
        <translation>le chemin de sortie serait trop long (259 caractères, 255 pour le nom du fichier)</translation>
    </message>
    <message>
        <source>the output folder cannot be searched</source>
        <translation>le dossier de destination ne peut pas être parcouru</translation>
    </message>
    <message>
        <source>Conversions at once</source>
        <translation>Conversions simultanées</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
</context>
</TS>
