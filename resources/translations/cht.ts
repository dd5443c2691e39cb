<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS 音訊輸出</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>請選擇裝置：</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-學習遙控器</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>學習遙控器</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>選擇「開始」以開始學習新的遙控器。</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>注意：部分遙控器可能不相容。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>請按住另一支遙控器上的按鍵，直到進度列填滿為止。</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>未收到訊號。請檢查遙控器。</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>設定完成。是否儲存此組態？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>此按鍵已學習過。</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora 已學習過此按鍵。請改用其他按鍵再試一次，或取消以使用其他遙控器。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試一次</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>確定要重設自訂遙控器並清除已學習的按鍵嗎？</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>學習「上」鍵</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>學習「下」鍵</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>學習「左」鍵</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>學習「右」鍵</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>學習「選擇」鍵</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>學習「返回」鍵</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>學習「選單」鍵</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>新增輸入法</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>移除輸入法</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>音訊輸出</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>切換至 Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>使用提示</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Tellora 第 2 版使用的應用程式與 Tellora 第 3 版不相容，已於安裝 Tellora v3 時解除安裝。若要再次使用這些應用程式，請從 Tellora 設定或 KELP Control Panel 安裝其最新版本。若您已安裝這些應用程式，請忽略此訊息。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>為加強安全性，此版本預設停用 Padlink 服務（Tellora 的行動遙控器）。若要在 Tellora 上使用 Padlink 應用程式，請至「一般 → 啟用 Padlink」啟用。建議僅在可信任的區域網路中使用 Padlink。</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>安全性更新：Padlink 服務預設為停用</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>前往設定</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>我知道了</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-設定</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>App</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>顯示時間</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>顯示 Stratus NAS IP</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>顯示伺服器名稱</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>啟用 Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>啟用自動登入</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>多工</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>僅管理員可以變更此選項</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>立即套用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>套用此功能後 Tellora 將重新啟動。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>設為自動執行</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>取消自動執行</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>安裝失敗</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>正在初始化</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>正在安裝</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>安裝完成</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>次要顯示器</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>閒置時關閉螢幕</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>過度掃描</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>桌布</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>範本 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>範本 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>範本 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>同步顯示</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>向右延伸</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>向左延伸</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>是否使用此解析度？</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>請注意：
若將輸出解析度設為 4K 60Hz，必須使用 HDMI 2.0 連接埠及 HDMI 2.0 纜線。
過度掃描會縮小螢幕上顯示的畫面範圍。百分比越高，顯示範圍縮小越多。
這些顯示設定可能不會套用至其他應用程式。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>輸入法</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS 音訊輸出</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>遙控器</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>自訂遙控器</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>立即學習</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>僅限管理員</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>僅管理員可以啟動此應用程式</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>評分：</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>摘要：</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>沒有可用的應用程式。</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>解析度（第 2 台顯示器）</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>解析度（第 3 台顯示器）</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>解析度（第 4 台顯示器）</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>解析度（第 5 台顯示器）</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>請注意：
過度掃描會縮小螢幕上顯示的畫面範圍。百分比越高，顯示範圍縮小越多。
這些顯示設定可能不會套用至其他應用程式。</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>按 Ctrl+空白鍵切換輸入法。</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>喇叭測試</translation>
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
        <translation>電視上的 NAS 主畫面：您的應用程式、應用程式設定和遙控器集中在一處。</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>如需技術支援，請造訪 support.tellora.example。</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora 開發人員。保留所有權利。</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>顯示工作列，讓多個應用程式並排執行。Tellora 將重新啟動以套用此設定。</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>確定要切換至 Tandem 嗎？切換應用程式可能需要幾分鐘。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>結束應用程式</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>返回首頁</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>檢視選項</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>播放 / 暫停</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>倒轉</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>快轉</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>捲動</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>按住此按鍵 6 秒即可快速重新啟動 Tellora。</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>基本操作</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>您可以使用下列任一裝置操作 Tellora</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra 遙控器</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy 按鍵</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>請注意，部分功能僅適用於特定應用程式。</translation>
    </message>
</context>
</TS>
