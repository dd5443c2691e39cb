<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Salida de audio del NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Seleccione el dispositivo:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Aprender mando a distancia</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Aprender mando a distancia</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Seleccione «Iniciar» para empezar a aprender el nuevo mando.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Nota: algunos mandos pueden no ser compatibles.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Mantenga pulsado el botón del otro mando hasta que la barra de progreso esté llena.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>No se ha recibido ninguna señal. Compruebe el mando.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Configuración completada. ¿Desea guardar esta configuración?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Botón ya aprendido.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora ya ha aprendido este botón. Inténtelo de nuevo con otro botón o cancele para usar otro mando.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>¿Seguro que desea restablecer el mando personalizado para que deje de estar aprendido?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Aprender el botón Arriba</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Aprender el botón Abajo</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Aprender el botón Izquierda</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Aprender el botón Derecha</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Aprender el botón Seleccionar</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Aprender el botón Atrás</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Aprender el botón Menú</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Añadir método de entrada</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Quitar método de entrada</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Salida de audio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Cambiar a Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Las aplicaciones utilizadas por Tellora versión 2 no son compatibles con Tellora versión 3 y se desinstalaron durante la instalación de Tellora v3. Para volver a usarlas, instale sus versiones más recientes desde la configuración de Tellora o desde el KELP Control Panel. Ignore este mensaje si ya ha instalado estas aplicaciones.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Para mejorar la seguridad, el servicio Padlink (mando a distancia móvil para Tellora) está ahora desactivado de forma predeterminada en esta versión. Para usar la aplicación Padlink con Tellora, actívelo en General → Activar Padlink. Le recomendamos usar Padlink solo en redes locales de confianza.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Actualización de seguridad: servicio Padlink desactivado de forma predeterminada</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Ir a Configuración</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Configuración</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Mostrar la hora</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Mostrar la IP del NAS Stratus</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Mostrar el nombre del servidor</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Activar Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Activar inicio de sesión automático</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitarea</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Solo los administradores pueden modificar esta opción</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Aplicar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora se reiniciará después de aplicar esta función.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Iniciar automáticamente</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>No iniciar automáticamente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Error en la instalación</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicializando</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Instalación completada</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Monitores secundarios</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Apagar la pantalla en reposo</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Sobrebarrido</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fondo de pantalla</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Plantilla 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Plantilla 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Plantilla 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Extender a la derecha</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Extender a la izquierda</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>¿Desea usar esta resolución?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Nota:
Si configura la resolución de salida en 4K 60 Hz, debe usar el puerto HDMI 2.0 con un cable HDMI 2.0.
El sobrebarrido reduce el área de la imagen que se muestra en la pantalla. Cuanto mayor sea el porcentaje, más se reduce el área mostrada.
Es posible que esta configuración de pantalla no se aplique en otras aplicaciones.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Método de entrada</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Salida de audio del NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Mando a distancia</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Mando personalizado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Aprender ahora</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Solo administradores</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Solo los administradores pueden iniciar esta aplicación</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Valoración:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Resumen:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>No hay aplicaciones disponibles.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Resolución (2.º monitor)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Resolución (3.er monitor)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Resolución (4.º monitor)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Resolución (5.º monitor)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Nota:
El sobrebarrido reduce el área de la imagen que se muestra en la pantalla. Cuanto mayor sea el porcentaje, más se reduce el área mostrada.
Es posible que esta configuración de pantalla no se aplique en otras aplicaciones.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Cambie de método de entrada con Ctrl+Espacio.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Prueba de altavoces</translation>
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
        <translation>La pantalla de inicio de su NAS en el televisor: sus aplicaciones, su configuración y el mando a distancia en un solo lugar.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Para obtener asistencia técnica, visite support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Desarrolladores de Tellora. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Muestra la barra de tareas para usar varias aplicaciones a la vez. Tellora se reinicia para aplicarlo.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>¿Seguro que desea cambiar a Tandem? El cambio de aplicación puede tardar unos minutos.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Volver a la página de inicio</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Ver opciones</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Reproducir / Pausa</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Avance rápido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Mantenga pulsado este botón durante 6 segundos para reiniciar Tellora rápidamente.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Uso general</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Puede controlar Tellora con cualquiera de los dispositivos siguientes</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Mando a distancia Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Botón de copia One Touch</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Tenga en cuenta que algunas funciones solo están disponibles en determinadas aplicaciones.</translation>
    </message>
</context>
</TS>
