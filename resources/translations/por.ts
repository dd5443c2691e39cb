<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Saída de áudio do NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Selecione o dispositivo:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
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
        <translation>IVO-Aprender telecomando</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Aprender telecomando</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Selecione &quot;Iniciar&quot; para começar a aprendizagem do novo telecomando.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Nota: alguns telecomandos podem não ser compatíveis.</translation>
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
        <translation>Mantenha premido o botão do outro telecomando até a barra de progresso ficar completa.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Nenhum sinal recebido. Verifique o telecomando.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Configuração concluída. Pretende guardar esta configuração?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Botão já aprendido.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>O Tellora já aprendeu este botão. Tente novamente com outro botão ou cancele para utilizar outro telecomando.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Tem a certeza de que pretende repor o telecomando personalizado e apagar a aprendizagem?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Aprender o botão Cima</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Aprender o botão Baixo</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Aprender o botão Esquerda</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Aprender o botão Direita</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Aprender o botão Selecionar</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Aprender o botão Voltar</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Aprender o botão Menu</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Adicionar método de introdução</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Remover método de introdução</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Saída de áudio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Mudar para o Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Terminar sessão</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Sugestões</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>As aplicações utilizadas pelo Tellora versão 2 não são compatíveis com o Tellora versão 3 e foram desinstaladas durante a instalação do Tellora v3. Para voltar a utilizar estas aplicações, instale as versões mais recentes a partir das definições do Tellora ou do KELP Control Panel. Ignore esta mensagem se já tiver instalado estas aplicações.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Para reforçar a segurança, o serviço Padlink (telecomando móvel para o Tellora) está agora desativado por predefinição nesta versão. Para utilizar a aplicação Padlink com o Tellora, ative-o em Geral → Ativar Padlink. Recomendamos que utilize o Padlink apenas em redes locais de confiança.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Atualização de segurança: serviço Padlink desativado por predefinição</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Ir para Definições</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compreendi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Definições</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplicações</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ecrã</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Mostrar a hora</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Mostrar o IP do NAS Stratus</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Mostrar o nome do servidor</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Ativar Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Ativar início de sessão automático</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Multitarefa</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Só os administradores podem alterar esta opção</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Aplicar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>O Tellora será reiniciado depois de aplicar esta função.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Iniciar automaticamente</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Não iniciar automaticamente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Falha na instalação</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>A inicializar</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>A transferir</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>A instalar</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Instalação concluída</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Monitores secundários</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Desligar o ecrã quando inativo</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Sobreexploração</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Modelo 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Modelo 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Modelo 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
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
        <translation>Expandir para a direita</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Expandir para a esquerda</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Pretende utilizar esta resolução?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Nota:
Se definir a resolução de saída para 4K 60 Hz, tem de utilizar a porta HDMI 2.0 com um cabo HDMI 2.0.
A sobreexploração reduz a área da imagem apresentada no ecrã. Quanto maior for a percentagem, mais a área apresentada é reduzida.
Estas definições de ecrã podem não ser aplicadas noutras aplicações.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Método de introdução</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Saída de áudio do NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Telecomando personalizado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Aprender agora</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versão: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Apenas administradores</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Só os administradores podem iniciar esta aplicação</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classificação:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Resumo:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Não existem aplicações disponíveis.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Resolução (2.º monitor)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Resolução (3.º monitor)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Resolução (4.º monitor)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Resolução (5.º monitor)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Nota:
A sobreexploração reduz a área da imagem apresentada no ecrã. Quanto maior for a percentagem, mais a área apresentada é reduzida.
Estas definições de ecrã podem não ser aplicadas noutras aplicações.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Mude de método de introdução com Ctrl+Espaço.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Teste de altifalantes</translation>
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
        <translation>O ecrã inicial do seu NAS no televisor: as suas aplicações, as respetivas definições e o telecomando num só lugar.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Para obter assistência técnica, visite support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Programadores do Tellora. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Mostra a barra de tarefas para utilizar várias aplicações lado a lado. O Tellora é reiniciado para aplicar a alteração.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Tem a certeza de que pretende mudar para o Tandem? A mudança de aplicação pode demorar alguns minutos.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
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
        <translation>Sair da aplicação</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Voltar à página inicial</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Ver opções</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Reproduzir / Pausa</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Deslocar</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Mantenha este botão premido durante 6 segundos para reiniciar rapidamente o Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Utilização geral</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Pode controlar o Tellora com um dos dispositivos abaixo</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Telecomando Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Botão One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Algumas funções só estão disponíveis em determinadas aplicações.</translation>
    </message>
</context>
</TS>
