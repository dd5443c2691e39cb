<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS オーディオ出力</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>デバイスを選択してください：</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-リモコンの学習</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>リモコンを学習</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>「開始」を選択すると、新しいリモコンの学習を始めます。</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>注意：一部のリモコンには対応していない場合があります。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>もう一方のリモコンのボタンを、進行状況バーがいっぱいになるまで押し続けてください。</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>信号を受信できませんでした。リモコンを確認してください。</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>設定が完了しました。この構成を保存しますか？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>このボタンは学習済みです。</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora はこのボタンを学習済みです。別のボタンでやり直すか、キャンセルして別のリモコンを使用してください。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>カスタムリモコンをリセットして、学習したボタンを消去しますか？</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>上ボタンを学習</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>下ボタンを学習</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>左ボタンを学習</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>右ボタンを学習</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>決定ボタンを学習</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>戻るボタンを学習</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>メニューボタンを学習</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>入力方式を追加</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>入力方式を削除</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>オーディオ出力</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Tandem に切り替え</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Tellora バージョン 2 で使用していたアプリケーションは Tellora バージョン 3 と互換性がないため、Tellora v3 のインストール時にアンインストールされました。これらのアプリケーションを再び使用するには、Tellora の設定または KELP Control Panel から最新バージョンをインストールしてください。すでにインストール済みの場合は、このメッセージを無視してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>セキュリティ強化のため、このリリースでは Padlink サービス（Tellora 用のモバイルリモコン）が既定で無効になっています。Tellora で Padlink アプリを使用するには、「一般 → Padlink を有効にする」で有効にしてください。Padlink は信頼できるローカルネットワークでのみ使用することをお勧めします。</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>セキュリティアップデート：Padlink サービスは既定で無効です</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>了解</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
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
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>時刻を表示</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Stratus NAS の IP を表示</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>サーバー名を表示</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Padlink を有効にする</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>自動ログインを有効にする</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>マルチタスク</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>このオプションは管理者のみ変更できます</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>今すぐ適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>この機能を適用すると Tellora が再起動します。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効にする</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効にする</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>自動実行に設定</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>自動実行を解除</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>インストールに失敗しました</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>初期化中</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>インストール中</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>インストールが完了しました</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>セカンダリモニター</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>無操作時に画面をオフ</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>オーバースキャン</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>壁紙</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>テンプレート 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>テンプレート 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>テンプレート 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>右に拡張</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>左に拡張</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>この解像度を使用しますか？</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>注意：
出力解像度を 4K 60Hz に設定する場合は、HDMI 2.0 ポートと HDMI 2.0 ケーブルを使用する必要があります。
オーバースキャンを使用すると、画面に表示される映像の範囲が小さくなります。割合が大きいほど、表示範囲は小さくなります。
これらのディスプレイ設定は、他のアプリには適用されない場合があります。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>入力方式</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS オーディオ出力</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>リモコン</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>カスタムリモコン</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>今すぐ学習</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>管理者のみ</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>このアプリは管理者のみ起動できます</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>評価：</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>概要：</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>利用できるアプリケーションはありません。</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>解像度（2 台目のモニター）</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>解像度（3 台目のモニター）</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>解像度（4 台目のモニター）</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>解像度（5 台目のモニター）</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>注意：
オーバースキャンを使用すると、画面に表示される映像の範囲が小さくなります。割合が大きいほど、表示範囲は小さくなります。
これらのディスプレイ設定は、他のアプリには適用されない場合があります。</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Ctrl+Space で入力方式を切り替えます。</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>スピーカーテスト</translation>
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
        <translation>テレビに表示する NAS のホーム画面です。アプリ、その設定、リモコンをまとめて扱えます。</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>テクニカルサポートは support.tellora.example をご覧ください。</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora 開発者。All rights reserved.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>タスクバーを表示して、複数のアプリを並べて使えるようにします。適用するには Tellora が再起動します。</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Tandem に切り替えますか？アプリケーションの切り替えには数分かかる場合があります。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>アプリケーションを終了</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>ホームページに戻る</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>オプションを表示</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>再生 / 一時停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>巻き戻し</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>早送り</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>スクロール</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>このボタンを 6 秒間押し続けると、Tellora をすばやく再起動できます。</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>基本操作</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>次のいずれかのデバイスで Tellora を操作できます</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra リモコン</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy ボタン</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>一部の機能は特定のアプリケーションでのみ使用できます。</translation>
    </message>
</context>
</TS>
