<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>เอาต์พุตเสียงของ NAS</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>โปรดเลือกอุปกรณ์:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>ทดสอบ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>ใช้</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-เรียนรู้รีโมท</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>เรียนรู้รีโมท</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>เลือก &quot;เริ่ม&quot; เพื่อเริ่มการเรียนรู้รีโมทตัวใหม่</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>หมายเหตุ: รีโมทบางรุ่นอาจใช้งานร่วมกันไม่ได้</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>เริ่ม</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>กดปุ่มบนรีโมทอีกตัวค้างไว้จนกว่าแถบความคืบหน้าจะเต็ม</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>ไม่ได้รับสัญญาณ โปรดตรวจสอบรีโมท</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>ตั้งค่าเสร็จสมบูรณ์ ต้องการบันทึกการกำหนดค่านี้หรือไม่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>เรียนรู้ปุ่มนี้แล้ว</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora เรียนรู้ปุ่มนี้แล้ว โปรดลองอีกครั้งด้วยปุ่มอื่น หรือยกเลิกเพื่อใช้รีโมทตัวอื่น</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>ต้องการรีเซ็ตรีโมทที่กำหนดเองและล้างปุ่มที่เรียนรู้ไว้หรือไม่</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>เรียนรู้ปุ่มขึ้น</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>เรียนรู้ปุ่มลง</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>เรียนรู้ปุ่มซ้าย</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>เรียนรู้ปุ่มขวา</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>เรียนรู้ปุ่มเลือก</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>เรียนรู้ปุ่มย้อนกลับ</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>เรียนรู้ปุ่มเมนู</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>เพิ่มวิธีป้อนข้อมูล</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>ลบวิธีป้อนข้อมูล</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>ผู้ใช้</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>เอาต์พุตเสียง</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>สลับไปที่ Tandem</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>ออกจากระบบ</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>คำแนะนำ</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>แอปพลิเคชันที่ใช้กับ Tellora เวอร์ชัน 2 ใช้งานร่วมกับ Tellora เวอร์ชัน 3 ไม่ได้ และถูกถอนการติดตั้งระหว่างการติดตั้ง Tellora v3 หากต้องการใช้แอปพลิเคชันเหล่านี้อีกครั้ง ให้ติดตั้งเวอร์ชันล่าสุดจากการตั้งค่าของ Tellora หรือ KELP Control Panel หากคุณติดตั้งแอปพลิเคชันเหล่านี้แล้ว โปรดข้ามข้อความนี้</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>เพื่อเพิ่มความปลอดภัย บริการ Padlink (รีโมทบนมือถือสำหรับ Tellora) จะถูกปิดใช้งานตามค่าเริ่มต้นในรุ่นนี้ หากต้องการใช้แอป Padlink กับ Tellora โปรดเปิดใช้งานที่ ทั่วไป → เปิดใช้งาน Padlink เราแนะนำให้ใช้ Padlink บนเครือข่ายภายในที่เชื่อถือได้เท่านั้น</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>อัปเดตความปลอดภัย: บริการ Padlink ถูกปิดใช้งานตามค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>ไปที่การตั้งค่า</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>เข้าใจแล้ว</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-การตั้งค่า</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>App</source>
        <translation>แอป</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>การแสดงผล</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>ค่ากำหนด</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>แสดงเวลา</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>แสดง IP ของ Stratus NAS</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>แสดงชื่อเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>เปิดใช้งาน Padlink</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>เปิดใช้งานการเข้าสู่ระบบอัตโนมัติ</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>มัลติทาสก์</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>เฉพาะผู้ดูแลระบบเท่านั้นที่แก้ไขตัวเลือกนี้ได้</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>ใช้ทันที</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>Tellora จะรีสตาร์ทหลังจากใช้ฟีเจอร์นี้</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>ติดตั้ง</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>เปิดใช้งาน</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>ปิดใช้งาน</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>ตั้งเป็นเรียกใช้อัตโนมัติ</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>ยกเลิกการเรียกใช้อัตโนมัติ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>การติดตั้งล้มเหลว</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>กำลังเริ่มต้น</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>กำลังดาวน์โหลด</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>กำลังติดตั้ง</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>ติดตั้งเสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>ความละเอียด</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>จอภาพรอง</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>ปิดหน้าจอเมื่อไม่ได้ใช้งาน</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>โอเวอร์สแกน</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>ภาพพื้นหลัง</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>เทมเพลต 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>เทมเพลต 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>เทมเพลต 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>min</source>
        <translation>นาที</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>ทำสำเนา</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>ขยายไปทางขวา</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>ขยายไปทางซ้าย</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>ต้องการใช้ความละเอียดนี้หรือไม่</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>โปรดทราบ:
หากตั้งค่าความละเอียดเอาต์พุตเป็น 4K 60Hz ต้องใช้พอร์ต HDMI 2.0 กับสาย HDMI 2.0
โอเวอร์สแกนจะลดพื้นที่ภาพที่แสดงบนหน้าจอ ยิ่งเปอร์เซ็นต์สูง พื้นที่ที่แสดงก็จะยิ่งลดลง
การตั้งค่าการแสดงผลเหล่านี้อาจไม่มีผลในแอปอื่น</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>วิธีป้อนข้อมูล</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>เอาต์พุตเสียงของ NAS</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>รีโมทคอนโทรล</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>รีโมทที่กำหนดเอง</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>เรียนรู้ตอนนี้</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>เวอร์ชัน: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>เฉพาะผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>เฉพาะผู้ดูแลระบบเท่านั้นที่เริ่มแอปพลิเคชันนี้ได้</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ประเภท:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>คะแนน:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>สรุป:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>ไม่มีแอปพลิเคชันที่ใช้ได้</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>ความละเอียด (จอภาพที่ 2)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>ความละเอียด (จอภาพที่ 3)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>ความละเอียด (จอภาพที่ 4)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>ความละเอียด (จอภาพที่ 5)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>โปรดทราบ:
โอเวอร์สแกนจะลดพื้นที่ภาพที่แสดงบนหน้าจอ ยิ่งเปอร์เซ็นต์สูง พื้นที่ที่แสดงก็จะยิ่งลดลง
การตั้งค่าการแสดงผลเหล่านี้อาจไม่มีผลในแอปอื่น</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>กด Ctrl+Space เพื่อสลับวิธีป้อนข้อมูล</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>ทดสอบลำโพง</translation>
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
        <translation>หน้าจอหลักของ NAS บนทีวี: แอปพลิเคชัน การตั้งค่าของแอป และรีโมทรวมไว้ในที่เดียว</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>สำหรับการสนับสนุนทางเทคนิค โปรดไปที่ support.tellora.example</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) ผู้พัฒนา Tellora สงวนลิขสิทธิ์</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>แสดงแถบงานเพื่อให้ใช้หลายแอปพลิเคชันพร้อมกันได้ Tellora จะรีสตาร์ทเพื่อใช้การตั้งค่านี้</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>ต้องการสลับไปที่ Tandem หรือไม่ การสลับแอปพลิเคชันอาจใช้เวลาสักครู่</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>ออกจากแอปพลิเคชัน</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>กลับไปหน้าหลัก</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>ดูตัวเลือก</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>เพิ่มเสียง</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>ลดเสียง</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ปิดเสียง</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>เล่น / หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>ย้อนกลับเร็ว</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>เดินหน้าเร็ว</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>ซ้าย</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ขวา</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>ขึ้น</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>ลง</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>เลื่อน</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>กดค้างไว้ 6 วินาทีเพื่อรีสตาร์ท Tellora</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>การใช้งานทั่วไป</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>คุณสามารถควบคุม Tellora ด้วยอุปกรณ์ใดอุปกรณ์หนึ่งด้านล่างนี้</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>รีโมท Vendra</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>แป้นพิมพ์</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>เมาส์</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>ปุ่ม One Touch Copy</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>โปรดทราบว่าบางฟังก์ชันใช้ได้กับบางแอปพลิเคชันเท่านั้น</translation>
    </message>
</context>
</TS>
