<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS 音频输出</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>请选择设备：</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-学习遥控器</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>学习遥控器</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>选择“开始”以开始学习新的遥控器。</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>注意：部分遥控器可能不兼容。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>请按住另一个遥控器上的按键，直到进度条填满。</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>未收到信号。请检查遥控器。</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>设置完成。是否保存此配置？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>该按键已学习。</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora 已学习过此按键。请换一个按键重试，或取消以使用其他遥控器。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>确定要重置自定义遥控器并清除已学习的按键吗？</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>学习“上”键</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>学习“下”键</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>学习“左”键</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>学习“右”键</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>学习“选择”键</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>学习“返回”键</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>学习“菜单”键</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>添加输入法</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>删除输入法</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>音频输出</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>切换到 Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>使用提示</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Tellora 第 2 版所用的应用程序与 Tellora 第 3 版不兼容，已在安装 Tellora v3 时卸载。如需再次使用这些应用程序，请从 Tellora 设置或 KELP Control Panel 安装其最新版本。如果您已安装这些应用程序，请忽略此消息。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>为增强安全性，此版本默认停用 Padlink 服务（Tellora 的手机遥控器）。如需在 Tellora 上使用 Padlink 应用程序，请在“常规 → 启用 Padlink”中启用。建议仅在可信的局域网中使用 Padlink。</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>安全更新：Padlink 服务默认停用</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>前往设置</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
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
        <translation>IVO-设置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>显示时间</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>显示 Stratus NAS IP</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>显示服务器名称</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>启用 Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>启用自动登录</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>多任务</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>仅管理员可以修改此选项</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>立即应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>应用此功能后 Tellora 将重新启动。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>设为自动运行</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>取消自动运行</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>安装失败</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>正在初始化</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>正在安装</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>安装完成</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>副显示器</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>闲置时关闭屏幕</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>过扫描</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>壁纸</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>模板 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>模板 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>模板 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>向右扩展</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>向左扩展</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>是否使用此分辨率？</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>请注意：
如果将输出分辨率设为 4K 60Hz，必须使用 HDMI 2.0 端口和 HDMI 2.0 线缆。
过扫描会缩小屏幕上显示的画面区域。百分比越高，显示区域缩小越多。
这些显示设置可能不适用于其他应用程序。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>输入法</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS 音频输出</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>遥控器</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>自定义遥控器</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>立即学习</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
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
        <translation>仅限管理员</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>仅管理员可以启动此应用程序</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>评分：</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>摘要：</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>没有可用的应用程序。</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>分辨率（第 2 台显示器）</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>分辨率（第 3 台显示器）</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>分辨率（第 4 台显示器）</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>分辨率（第 5 台显示器）</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>请注意：
过扫描会缩小屏幕上显示的画面区域。百分比越高，显示区域缩小越多。
这些显示设置可能不适用于其他应用程序。</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>按 Ctrl+空格键切换输入法。</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>扬声器测试</translation>
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
        <translation>电视上的 NAS 主屏幕：您的应用程序、应用程序设置和遥控器集中在一处。</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>如需技术支持，请访问 support.tellora.example。</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora 开发者。保留所有权利。</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>显示任务栏，以便多个应用程序并排运行。Tellora 将重新启动以应用此设置。</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>确定要切换到 Tandem 吗？切换应用程序可能需要几分钟。</translation>
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
        <translation>退出应用程序</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>返回主页</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>查看选项</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>播放 / 暂停</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>滚动</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>按住此按键 6 秒即可快速重启 Tellora。</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>基本操作</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>您可以使用以下任一设备操作 Tellora</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra 遥控器</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy 按键</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>请注意，部分功能仅适用于特定应用程序。</translation>
    </message>
</context>
</TS>
