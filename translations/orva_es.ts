<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>WindowText</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Converts video and audio files for phones, players and the web.</source>
        <translation>Convierte archivos de vídeo y audio para teléfonos, reproductores y la web.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;About Orva Video Converter...</source>
        <translation>&amp;Acerca de Orva Video Converter...</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove Selected File(s) From List</source>
        <translation>Quitar de la lista los archivos seleccionados</translation>
    </message>
    <message>
        <source>Remove All Files From List</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Browse Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Stop Convert</source>
        <translation>Detener la conversión</translation>
    </message>
    <message>
        <source>Click it to play</source>
        <translation>Pulse para reproducir</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Detener la reproducción</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Find new version,update or not?</source>
        <translation>Hay una versión nueva. ¿Actualizar ahora?</translation>
    </message>
    <message>
        <source>Set Current Time to Begin Time?</source>
        <translation>¿Fijar la posición actual como inicio?</translation>
    </message>
    <message>
        <source>Set Current Time to End Time?</source>
        <translation>¿Fijar la posición actual como final?</translation>
    </message>
    <message>
        <source>Begin time is large,change it before to continue</source>
        <translation>El inicio está después del final. Cámbielo antes de continuar.</translation>
    </message>
    <message>
        <source>given path is not writable, ignore the error</source>
        <translation>No se puede escribir en esta carpeta. ¿Ignorar el error?</translation>
    </message>
    <message>
        <source>Reading File Info ,please wait...</source>
        <translation>Leyendo la información del archivo, espere...</translation>
    </message>
    <message>
        <source>Please stop ripping first and try again.

Do you want to stop now?</source>
        <translation>Detenga primero la conversión y vuelva a intentarlo.

¿Detenerla ahora?</translation>
    </message>
    <message>
        <source>Orva Video Converter</source>
        <translation>Orva Video Converter</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>FATAL!</source>
        <translation>¡FATAL!</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Extension:</source>
        <translation>Extensión:</translation>
    </message>
    <message>
        <source>Elapsed Time:</source>
        <translation>Transcurrido:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Restante:</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Final:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Tamaño final</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>!Waring!</source>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Drop video or audio files here</source>
        <translation>Suelte aquí archivos de vídeo o audio</translation>
    </message>
    <message>
        <source>or use Add Files to pick them</source>
        <translation>o elíjalos con Añadir</translation>
    </message>
    <message>
        <source>Completed:</source>
        <translation>Completado:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Save in the same folder as the original file</source>
        <translation>Guardar en la carpeta del archivo original</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>Profile Name:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Códec de vídeo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>BitRate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>AspectRatio:</source>
        <translation>Relación:</translation>
    </message>
    <message>
        <source>FrameRate:</source>
        <translation>Fotogramas/s:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Códec de audio:</translation>
    </message>
    <message>
        <source>SampleRate:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>%1% complete. Estimated completion: %2</source>
        <translation>%1 % completado. Fin estimado: %2</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos para convertir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 por ciento</translation>
    </message>
    <message>
        <source>Set the begin time to the preview&apos;s position</source>
        <translation>Poner el inicio en la posición de la vista previa</translation>
    </message>
    <message>
        <source>Go to the begin time</source>
        <translation>Ir al inicio</translation>
    </message>
    <message>
        <source>Set the end time to the preview&apos;s position</source>
        <translation>Poner el final en la posición de la vista previa</translation>
    </message>
    <message>
        <source>Go to the end time</source>
        <translation>Ir al final</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Abrir la página de inicio</translation>
    </message>
    <message>
        <source>Open the help page</source>
        <translation>Abrir la página de ayuda</translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <translation>no conservado: %1</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>Fijar el inicio</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Fijar el final</translation>
    </message>
    <message>
        <source>the path is 260 bytes or longer</source>
        <translation>la ruta tiene 260 bytes o más</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Estos archivos no se añadieron:</translation>
    </message>
    <message>
        <source>the source has no audio stream to convert</source>
        <translation>el origen no tiene pista de audio que convertir</translation>
    </message>
    <message>
        <source>the encoder ended with status %1</source>
        <translation>el codificador terminó con el estado %1</translation>
    </message>
    <message>
        <source>the encoder was ended by signal %1</source>
        <translation>el codificador fue terminado por la señal %1</translation>
    </message>
    <message>
        <source>no encoder program at %1</source>
        <translation>no hay codificador en %1</translation>
    </message>
    <message>
        <source>the encoder program %1 cannot be started</source>
        <translation>no se puede iniciar el codificador %1</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>la carpeta de destino %1 no existe</translation>
    </message>
    <message>
        <source>the output folder %1 is not writable</source>
        <translation>no se puede escribir en la carpeta de destino %1</translation>
    </message>
    <message>
        <source>stopped after %1 of the range</source>
        <translation>detenido tras el %1 del intervalo</translation>
    </message>
    <message>
        <source>the encoder wrote only %1 of the range</source>
        <translation>el codificador solo escribió el %1 del intervalo</translation>
    </message>
    <message>
        <source>the encoder command would be longer than 1023 characters</source>
        <translation>la orden del codificador superaría los 1023 caracteres</translation>
    </message>
    <message>
        <source>the output path would be too long (259 characters, 255 for the file name)</source>
        <translation>la ruta de salida sería demasiado larga (259 caracteres, 255 para el nombre del archivo)</translation>
    </message>
    <message>
        <source>the output folder cannot be searched</source>
        <translation>no se puede explorar la carpeta de destino</translation>
    </message>
    <message>
        <source>Conversions at once</source>
        <translation>Conversiones simultáneas</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
</context>
</TS>
