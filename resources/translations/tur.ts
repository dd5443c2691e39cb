<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS ses çıkışı</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>Lütfen cihazı seçin:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test et</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-Kumanda Öğretme</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>Kumanda öğret</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>Yeni kumandayı öğretmeye başlamak için &quot;Başlat&quot;ı seçin.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>Not: Bazı kumandalar uyumlu olmayabilir.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>Diğer kumandadaki tuşu basılı tutun ve ilerleme çubuğu dolana kadar bırakmayın.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>Sinyal alınamadı. Kumandanızı kontrol edin.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>Kurulum tamamlandı. Bu yapılandırmayı kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>Tuş zaten öğretildi.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora bu tuşu zaten öğrendi. Farklı bir tuşla yeniden deneyin veya farklı bir kumanda kullanmak için iptal edin.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>Özel kumandayı sıfırlayıp öğretilen tuşları silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>Yukarı tuşunu öğret</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>Aşağı tuşunu öğret</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>Sol tuşunu öğret</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>Sağ tuşunu öğret</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>Seç tuşunu öğret</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>Geri tuşunu öğret</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>Menü tuşunu öğret</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>Giriş yöntemi ekle</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>Giriş yöntemini kaldır</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Ses çıkışı</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Tandem&apos;e geç</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Oturumu kapat</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>İpuçları</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Tellora sürüm 2 tarafından kullanılan uygulamalar Tellora sürüm 3 ile uyumlu değildir ve Tellora v3 yüklemesi sırasında kaldırılmıştır. Bu uygulamaları yeniden kullanmak için en son sürümlerini Tellora ayarlarından veya KELP Control Panel&apos;den yükleyin. Bu uygulamaları zaten yüklediyseniz bu mesajı dikkate almayın.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>Güvenliği artırmak için Padlink hizmeti (Tellora için mobil kumanda) bu sürümde varsayılan olarak devre dışıdır. Padlink uygulamasını Tellora ile kullanmak için Genel → Padlink&apos;i etkinleştir bölümünden etkinleştirin. Padlink&apos;i yalnızca güvenilir yerel ağlarda kullanmanızı öneririz.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>Güvenlik güncellemesi: Padlink hizmeti varsayılan olarak devre dışı</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>Ayarlara git</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Anladım</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-Ayarlar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Uygulamalar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>Saati göster</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Stratus NAS IP&apos;sini göster</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>Sunucu adını göster</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Padlink&apos;i etkinleştir</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>Otomatik oturum açmayı etkinleştir</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>Çoklu görev</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>Bu seçeneği yalnızca yöneticiler değiştirebilir</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>Şimdi uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Bu özellik uygulandıktan sonra Tellora yeniden başlatılacak.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Etkinleştir</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Devre dışı bırak</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>Otomatik başlat</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>Otomatik başlatmayı kaldır</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>Yükleme başarısız oldu</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Başlatılıyor</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>Yükleme tamamlandı</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>İkincil monitörler</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>Boşta kalınca ekranı kapat</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>Aşırı tarama</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Duvar kağıdı</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>Şablon 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>Şablon 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>Şablon 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>min</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Çoğalt</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>Sağa genişlet</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>Sola genişlet</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>Bu çözünürlüğü kullanmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Not:
Çıkış çözünürlüğünü 4K 60 Hz olarak ayarlarsanız HDMI 2.0 kablosuyla HDMI 2.0 bağlantı noktasını kullanmanız gerekir.
Aşırı tarama, ekranda gösterilen görüntü alanını küçültür. Yüzde ne kadar yüksekse gösterilen alan o kadar küçülür.
Bu ekran ayarları diğer uygulamalarda uygulanmayabilir.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>Giriş yöntemi</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS ses çıkışı</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Kumanda</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>Özel kumanda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>Şimdi öğret</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Sürüm: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>Yalnızca yöneticiler</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>Bu uygulamayı yalnızca yöneticiler başlatabilir</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Puan:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Özet:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>Kullanılabilir uygulama yok.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>Çözünürlük (2. monitör)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>Çözünürlük (3. monitör)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>Çözünürlük (4. monitör)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>Çözünürlük (5. monitör)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>Not:
Aşırı tarama, ekranda gösterilen görüntü alanını küçültür. Yüzde ne kadar yüksekse gösterilen alan o kadar küçülür.
Bu ekran ayarları diğer uygulamalarda uygulanmayabilir.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Giriş yöntemini Ctrl+Boşluk ile değiştirin.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>Hoparlör testi</translation>
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
        <translation>NAS&apos;ınızın televizyondaki ana ekranı: uygulamalarınız, ayarları ve kumanda tek bir yerde.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>Teknik destek için support.tellora.example adresini ziyaret edin.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora geliştiricileri. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>Görev çubuğunu gösterir; böylece birden çok uygulama yan yana çalışabilir. Tellora bunu uygulamak için yeniden başlar.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Tandem&apos;e geçmek istediğinizden emin misiniz? Uygulama değişikliği birkaç dakika sürebilir.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>Uygulamadan çık</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>Ana sayfaya dön</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Seçenekleri göster</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Sesi aç</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Sesi kıs</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sessiz</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Oynat / Duraklat</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Geri sar</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>İleri sar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Kaydır</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>Tellora&apos;yı hızlıca yeniden başlatmak için bu tuşu 6 saniye basılı tutun.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>Genel kullanım</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>Tellora&apos;yı aşağıdaki cihazlardan biriyle kontrol edebilirsiniz</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra kumanda</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klavye</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Fare</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy düğmesi</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>Bazı işlevlerin yalnızca belirli uygulamalarda kullanılabildiğini unutmayın.</translation>
    </message>
</context>
</TS>
