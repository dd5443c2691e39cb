<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AudioDetectDialog</name>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS 오디오 출력</translation>
    </message>
    <message>
        <source>Please select the device:</source>
        <translation>장치를 선택하세요:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>테스트</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
</context>
<context>
    <name>CustomRemoteDialog</name>
    <message>
        <source>IVO-Learn Remote</source>
        <translation>IVO-리모컨 학습</translation>
    </message>
    <message>
        <source>Learn Remote</source>
        <translation>리모컨 학습</translation>
    </message>
    <message>
        <source>Select &quot;Start&quot; to begin the learning process for the new remote.</source>
        <translation>새 리모컨 학습을 시작하려면 &quot;시작&quot;을 선택하세요.</translation>
    </message>
    <message>
        <source>Note: Some remotes may be incompatible.</source>
        <translation>참고: 일부 리모컨은 호환되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Press and hold the button on the other remote. Continue to hold the button until the progress bar is full.</source>
        <translation>진행 표시줄이 가득 찰 때까지 다른 리모컨의 버튼을 길게 누르세요.</translation>
    </message>
    <message>
        <source>No signal received. Check your remote.</source>
        <translation>신호가 수신되지 않았습니다. 리모컨을 확인하세요.</translation>
    </message>
    <message>
        <source>Setup Complete. Do you want to save this configuration?</source>
        <translation>설정이 완료되었습니다. 이 구성을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Button already learned.</source>
        <translation>이미 학습한 버튼입니다.</translation>
    </message>
    <message>
        <source>Tellora has already learned this button. Try again with a different button, or cancel to use a different remote.</source>
        <translation>Tellora가 이미 이 버튼을 학습했습니다. 다른 버튼으로 다시 시도하거나, 취소하고 다른 리모컨을 사용하세요.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the custom remote to unlearn mode?</source>
        <translation>사용자 지정 리모컨을 초기화하고 학습한 버튼을 지우시겠습니까?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Learn up button</source>
        <translation>위 버튼 학습</translation>
    </message>
    <message>
        <source>Learn down button</source>
        <translation>아래 버튼 학습</translation>
    </message>
    <message>
        <source>Learn left button</source>
        <translation>왼쪽 버튼 학습</translation>
    </message>
    <message>
        <source>Learn right button</source>
        <translation>오른쪽 버튼 학습</translation>
    </message>
    <message>
        <source>Learn select button</source>
        <translation>선택 버튼 학습</translation>
    </message>
    <message>
        <source>Learn back button</source>
        <translation>뒤로 버튼 학습</translation>
    </message>
    <message>
        <source>Learn menu button</source>
        <translation>메뉴 버튼 학습</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Add input</source>
        <translation>입력 방법 추가</translation>
    </message>
    <message>
        <source>Remove input</source>
        <translation>입력 방법 제거</translation>
    </message>
</context>
<context>
    <name>MainMWindow</name>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>오디오 출력</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Switch to Tandem</source>
        <translation>Tandem으로 전환</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been uninstalled during the installation of Tellora v3. To use these applications again, you must install their most recent versions from the Tellora settings or the KELP Control Panel. Please ignore this message if you have already installed these applications.</source>
        <translation>Tellora 버전 2에서 사용하던 애플리케이션은 Tellora 버전 3과 호환되지 않아 Tellora v3 설치 중에 제거되었습니다. 이 애플리케이션을 다시 사용하려면 Tellora 설정 또는 KELP Control Panel에서 최신 버전을 설치하세요. 이미 설치했다면 이 메시지를 무시하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by default in this release. To use the Padlink app with Tellora, please enable it at General → Enable Padlink. We recommend using Padlink on trusted local networks.</source>
        <translation>보안 강화를 위해 이번 릴리스부터 Padlink 서비스(Tellora용 모바일 리모컨)가 기본적으로 비활성화되어 있습니다. Tellora에서 Padlink 앱을 사용하려면 일반 → Padlink 활성화에서 활성화하세요. Padlink는 신뢰할 수 있는 로컬 네트워크에서만 사용하는 것이 좋습니다.</translation>
    </message>
    <message>
        <source>Security Update: Padlink Service Disabled by Default</source>
        <translation>보안 업데이트: Padlink 서비스 기본 비활성화</translation>
    </message>
    <message>
        <source>Go to Settings</source>
        <translation>설정으로 이동</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인했습니다</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>IVO-Settings</source>
        <translation>IVO-설정</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>App</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>디스플레이</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Display time</source>
        <translation>시간 표시</translation>
    </message>
    <message>
        <source>Display Stratus NAS IP</source>
        <translation>Stratus NAS IP 표시</translation>
    </message>
    <message>
        <source>Display server name</source>
        <translation>서버 이름 표시</translation>
    </message>
    <message>
        <source>Enable Padlink</source>
        <translation>Padlink 활성화</translation>
    </message>
    <message>
        <source>Enable auto login</source>
        <translation>자동 로그인 활성화</translation>
    </message>
    <message>
        <source>Multi-tasking</source>
        <translation>멀티태스킹</translation>
    </message>
    <message>
        <source>Only the administrators can modify this option</source>
        <translation>관리자만 이 옵션을 변경할 수 있습니다</translation>
    </message>
    <message>
        <source>Apply now</source>
        <translation>지금 적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Tellora will restart after applying this feature.</source>
        <translation>이 기능을 적용하면 Tellora가 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>활성화</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Set Auto Run</source>
        <translation>자동 실행 설정</translation>
    </message>
    <message>
        <source>Unset Auto Run</source>
        <translation>자동 실행 해제</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Installation failed</source>
        <translation>설치 실패</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>초기화 중</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>설치 중</translation>
    </message>
    <message>
        <source>Installation completed</source>
        <translation>설치 완료</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Secondary monitors</source>
        <translation>보조 모니터</translation>
    </message>
    <message>
        <source>Turn off the screen when idle</source>
        <translation>대기 시 화면 끄기</translation>
    </message>
    <message>
        <source>Overscan</source>
        <translation>오버스캔</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>배경 화면</translation>
    </message>
    <message>
        <source>Template 1</source>
        <translation>템플릿 1</translation>
    </message>
    <message>
        <source>Template 2</source>
        <translation>템플릿 2</translation>
    </message>
    <message>
        <source>Template 3</source>
        <translation>템플릿 3</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Extend to right</source>
        <translation>오른쪽으로 확장</translation>
    </message>
    <message>
        <source>Extend to left</source>
        <translation>왼쪽으로 확장</translation>
    </message>
    <message>
        <source>Do you want to use this resolution?</source>
        <translation>이 해상도를 사용하시겠습니까?</translation>
    </message>
    <message>
        <source>Please note:
If you set the output resolution to 4K 60hz then you must use the HDMI 2.0 port with an HDMI 2.0 cable.
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>참고:
출력 해상도를 4K 60Hz로 설정하면 HDMI 2.0 포트와 HDMI 2.0 케이블을 사용해야 합니다.
오버스캔은 화면에 표시되는 영상 영역을 줄입니다. 비율이 높을수록 표시 영역이 더 줄어듭니다.
이 디스플레이 설정은 다른 앱에는 적용되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>입력 방법</translation>
    </message>
    <message>
        <source>NAS Audio Output</source>
        <translation>NAS 오디오 출력</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>리모컨</translation>
    </message>
    <message>
        <source>Custom Remote</source>
        <translation>사용자 지정 리모컨</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Learn now</source>
        <translation>지금 학습</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Tellora</source>
        <translation>Tellora</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>버전: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Administrators only</source>
        <translation>관리자 전용</translation>
    </message>
    <message>
        <source>Only administrators can start this application</source>
        <translation>관리자만 이 애플리케이션을 시작할 수 있습니다</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>평점:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>요약:</translation>
    </message>
    <message>
        <source>No applications are available.</source>
        <translation>사용할 수 있는 애플리케이션이 없습니다.</translation>
    </message>
    <message>
        <source>Resolution (2nd monitor)</source>
        <translation>해상도(두 번째 모니터)</translation>
    </message>
    <message>
        <source>Resolution (3rd monitor)</source>
        <translation>해상도(세 번째 모니터)</translation>
    </message>
    <message>
        <source>Resolution (4th monitor)</source>
        <translation>해상도(네 번째 모니터)</translation>
    </message>
    <message>
        <source>Resolution (5th monitor)</source>
        <translation>해상도(다섯 번째 모니터)</translation>
    </message>
    <message>
        <source>Please note:
Overscan will reduce the area of the video displayed on the screen. The higher the percentage, the more the displayed area will be reduced.
These Display settings may not be applied in other apps.</source>
        <translation>참고:
오버스캔은 화면에 표시되는 영상 영역을 줄입니다. 비율이 높을수록 표시 영역이 더 줄어듭니다.
이 디스플레이 설정은 다른 앱에는 적용되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Switch between input methods with Ctrl+Space.</source>
        <translation>Ctrl+Space로 입력 방법을 전환합니다.</translation>
    </message>
    <message>
        <source>Speaker test</source>
        <translation>스피커 테스트</translation>
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
        <translation>TV에서 보는 NAS 홈 화면: 앱과 앱 설정, 리모컨을 한곳에서 관리합니다.</translation>
    </message>
    <message>
        <source>For technical support, visit support.tellora.example.</source>
        <translation>기술 지원은 support.tellora.example을 방문하세요.</translation>
    </message>
    <message>
        <source>Copyright (c) Tellora developers. All rights reserved.</source>
        <translation>Copyright (c) Tellora 개발자. All rights reserved.</translation>
    </message>
    <message>
        <source>Shows the task bar, so that several applications can run side by side. Tellora restarts to apply it.</source>
        <translation>작업 표시줄을 표시하여 여러 애플리케이션을 나란히 실행할 수 있습니다. 적용하려면 Tellora가 다시 시작됩니다.</translation>
    </message>
</context>
<context>
    <name>TandemSwitcher</name>
    <message>
        <source>Are you sure you want to switch to Tandem? Switching applications may take a few minutes to complete.</source>
        <translation>Tandem으로 전환하시겠습니까? 애플리케이션 전환에는 몇 분 정도 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>TipsScreen</name>
    <message>
        <source>Exit application</source>
        <translation>애플리케이션 종료</translation>
    </message>
    <message>
        <source>Go back to home page</source>
        <translation>홈 페이지로 돌아가기</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>옵션 보기</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>볼륨 높이기</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>볼륨 낮추기</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>재생 / 일시 정지</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>되감기</translation>
    </message>
    <message>
        <source>Fast forward</source>
        <translation>빨리 감기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>스크롤</translation>
    </message>
    <message>
        <source>You can quickly restart Tellora by holding this button for 6 seconds.</source>
        <translation>이 버튼을 6초 동안 누르고 있으면 Tellora를 빠르게 다시 시작할 수 있습니다.</translation>
    </message>
    <message>
        <source>General use</source>
        <translation>기본 사용법</translation>
    </message>
    <message>
        <source>You can use one of the devices below to control Tellora</source>
        <translation>아래 장치 중 하나로 Tellora를 조작할 수 있습니다</translation>
    </message>
    <message>
        <source>Vendra remote control</source>
        <translation>Vendra 리모컨</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>One Touch Copy Button</source>
        <translation>One Touch Copy 버튼</translation>
    </message>
    <message>
        <source>Please note that some functions only apply for certain applications.</source>
        <translation>일부 기능은 특정 애플리케이션에서만 사용할 수 있습니다.</translation>
    </message>
</context>
</TS>
