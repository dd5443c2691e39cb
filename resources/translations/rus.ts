<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>Аудиовыход NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Выберите устройство:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Обучение пульта</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Обучить пульт</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Выберите «Начать», чтобы начать обучение нового пульта.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Примечание: некоторые пульты могут быть несовместимы.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Нажмите и удерживайте кнопку на другом пульте, пока индикатор не заполнится.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Сигнал не получен. Проверьте пульт.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Настройка завершена. Сохранить эту конфигурацию?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Кнопка уже изучена.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora уже знает эту кнопку. Повторите попытку с другой кнопкой или отмените, чтобы использовать другой пульт.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Сбросить пользовательский пульт и удалить изученные кнопки?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Изучить кнопку «Вверх»</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Изучить кнопку «Вниз»</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Изучить кнопку «Влево»</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Изучить кнопку «Вправо»</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Изучить кнопку «Выбор»</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Изучить кнопку «Назад»</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Изучить кнопку «Меню»</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Добавить способ ввода</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Удалить способ ввода</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Аудиовыход</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Перейти в Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Советы</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Приложения, которые использовались в Tellora версии 2, несовместимы с Tellora версии 3 и были удалены при установке Tellora v3. Чтобы снова пользоваться этими приложениями, установите их последние версии в настройках Tellora или в KELP Control Panel. Если вы уже установили эти приложения, не обращайте внимания на это сообщение.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>В целях безопасности служба Padlink (мобильный пульт для Tellora) в этой версии по умолчанию отключена. Чтобы пользоваться приложением Padlink с Tellora, включите его в разделе Общие → Включить Padlink. Рекомендуем использовать Padlink только в доверенных локальных сетях.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Обновление безопасности: служба Padlink по умолчанию отключена</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Перейти в настройки</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Настройки</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О системе</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Показывать время</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Показывать IP Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Показывать имя сервера</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Включить Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Включить автоматический вход</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Многозадачность</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Изменять этот параметр могут только администраторы</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Применить сейчас</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>После применения этой функции Tellora перезапустится.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Отменить автозапуск</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Ошибка установки</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Инициализация</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Установка завершена</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>Дополнительные мониторы</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Выключать экран при бездействии</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Обрезка краёв</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Обои</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Шаблон 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Шаблон 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Шаблон 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Расширить вправо</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Расширить влево</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Использовать это разрешение?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Примечание.
Если вы установите выходное разрешение 4K 60 Гц, используйте порт HDMI 2.0 и кабель HDMI 2.0.
Обрезка краёв уменьшает видимую на экране область изображения. Чем выше процент, тем сильнее уменьшается видимая область.
Эти настройки экрана могут не применяться в других приложениях.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Способ ввода</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>Аудиовыход NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Пульт ДУ</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Свой пульт</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Обучить</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Версия: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Только администраторы</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Запускать это приложение могут только администраторы</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Оценка:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Краткое описание:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Нет доступных приложений.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Разрешение (2-й монитор)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Разрешение (3-й монитор)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Разрешение (4-й монитор)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Разрешение (5-й монитор)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Примечание.
Обрезка краёв уменьшает видимую на экране область изображения. Чем выше процент, тем сильнее уменьшается видимая область.
Эти настройки экрана могут не применяться в других приложениях.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Способ ввода переключается клавишами Ctrl+Пробел.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Проверка динамиков</translation>
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
        <translation>Главный экран вашего NAS на телевизоре: приложения, их настройки и пульт в одном месте.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Техническая поддержка: support.tellora.example.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Разработчики Tellora. Все права защищены.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Показывает панель задач, чтобы несколько приложений могли работать одновременно. Для применения Tellora перезапустится.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Перейти в Tandem? Смена приложения может занять несколько минут.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Выйти из приложения</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Вернуться на главную</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Показать параметры</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Воспроизведение / Пауза</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Перемотка назад</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>Перемотка вперёд</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Прокрутка</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Удерживайте эту кнопку 6 секунд, чтобы быстро перезапустить Tellora.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Общее управление</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Управлять Tellora можно с помощью одного из устройств ниже</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Пульт Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>Кнопка One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Обратите внимание: некоторые функции доступны только в определённых приложениях.</translation>
    </message>
</context>
</TS>
