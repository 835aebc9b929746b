<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>QObject</name>
    <message>
        <source>The server did not complete its reply within %1 seconds.</source>
        <translation>Сервер не завершил ответ за %1 с.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is larger than %1 and was refused.</source>
        <translation>Ответ сервера больше %1 и был отклонён.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is not a picture.</source>
        <translation>Ответ сервера не является изображением.</translation>
    </message>
    <message>
        <source>The server&apos;s reply headers are larger than %1 and were refused.</source>
        <translation>Заголовки ответа сервера больше %1 и были отклонены.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is in an encoding that was not asked for and was refused.</source>
        <translation>Ответ сервера пришёл в кодировке, которая не запрашивалась, и был отклонён.</translation>
    </message>
    <message>
        <source>The server&apos;s reply ended after %1 of the %2 bytes it announced.</source>
        <translation>Ответ сервера оборвался после %1 из объявленных %2 байт.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is not a captcha.</source>
        <translation>Ответ сервера не является капчей.</translation>
    </message>
    <message>
        <source>The picture from the server is too large (%1 x %2 pixels).</source>
        <translation>Изображение с сервера слишком большое (%1 x %2 пикселей).</translation>
    </message>
    <message>
        <source>Failed to copy the font</source>
        <translation>не удалось скопировать шрифт</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No localization file was found!</source>
        <translation>Файл локализации не найден!</translation>
    </message>
    <message>
        <source>Reinstall the application to fix this problem.</source>
        <translation>Переустановите приложение, чтобы устранить эту проблему.</translation>
    </message>
    <message>
        <source>The program could not be started: it is not a program this system can run, or the system is out of resources.</source>
        <translation>Не удалось запустить программу: это не программа, которую может выполнить эта система, или системе не хватает ресурсов.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>Операционная система запретила доступ к указанному файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32 .exe or error in .exe image).</source>
        <translation>Недопустимый исполняемый файл (не Win32 .exe или ошибка в образе .exe).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Произошло нарушение совместного доступа.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>Сопоставление имени файла неполное или недопустимое.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>Транзакцию DDE не удалось завершить: истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Транзакция DDE завершилась ошибкой.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>Транзакцию DDE не удалось завершить: обрабатывались другие транзакции DDE.</translation>
    </message>
    <message>
        <source>No application is set to open this type of file or folder, or the desktop&apos;s opener (xdg-open) is not installed.</source>
        <translation>Не задано приложение, открывающее файлы или папки этого типа, или не установлена программа открытия рабочего стола (xdg-open).</translation>
    </message>
    <message>
        <source>The specified DLL was not found.</source>
        <translation>Указанная библиотека DLL не найдена.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Unexpected error has occurred! Do you want to submit the feedback?</source>
        <translation>Произошла непредвиденная ошибка! Хотите отправить отзыв?</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>Сетевое подключение не найдено!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Проверка обновлений пропущена!</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не удалось проверить наличие обновлений!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation>Не удалось возобновить службу WMI!</translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation>Не удалось запустить службу WMI!</translation>
    </message>
    <message>
        <source>Failed to remove the old build!</source>
        <translation>Не удалось удалить старую сборку!</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Сборка</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Do you want to open another instance?</source>
        <translation>Хотите открыть ещё один экземпляр программы?</translation>
    </message>
    <message>
        <source>Collecting information:</source>
        <translation>Сбор информации:</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдер</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation>последняя проверка обновлений</translation>
    </message>
    <message>
        <source>Unable to change theme!</source>
        <translation>Не удалось сменить тему!</translation>
    </message>
    <message>
        <source>Unable to set theme. File is not found!</source>
        <translation>Не удалось установить тему. Файл не найден!</translation>
    </message>
    <message>
        <source>theme change was not applied</source>
        <translation>смена темы не применена</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>CPU Enabled</source>
        <translation>Процессор включён</translation>
    </message>
    <message>
        <source>CPU Disabled by User via BIOS Setup</source>
        <translation>Процессор отключён пользователем в настройках BIOS</translation>
    </message>
    <message>
        <source>CPU Disabled By BIOS (POST Error)</source>
        <translation>Процессор отключён BIOS (ошибка POST)</translation>
    </message>
    <message>
        <source>CPU is Idle</source>
        <translation>Процессор простаивает</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Зарезервировано</translation>
    </message>
    <message>
        <source>Running/Full Power</source>
        <translation>Работает/Полная мощность</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>In Test</source>
        <translation>Тестирование</translation>
    </message>
    <message>
        <source>Not Applicable</source>
        <translation>Неприменимо</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Питание отключено</translation>
    </message>
    <message>
        <source>Off Line</source>
        <translation>Не в сети</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Не используется</translation>
    </message>
    <message>
        <source>Degraded</source>
        <translation>Снижена производительность</translation>
    </message>
    <message>
        <source>Not Installed</source>
        <translation>Не установлено</translation>
    </message>
    <message>
        <source>Install Error</source>
        <translation>Ошибка установки</translation>
    </message>
    <message>
        <source>Power Save - Unknown</source>
        <translation>Энергосбережение - неизвестно</translation>
    </message>
    <message>
        <source>Power Save - Low Power Mode</source>
        <translation>Энергосбережение - режим низкого потребления</translation>
    </message>
    <message>
        <source>Power Save - Standby</source>
        <translation>Энергосбережение - ожидание</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Цикл питания</translation>
    </message>
    <message>
        <source>Power Save - Warning</source>
        <translation>Энергосбережение - предупреждение</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Не готово</translation>
    </message>
    <message>
        <source>Not Configured</source>
        <translation>Не настроено</translation>
    </message>
    <message>
        <source>Quiesced</source>
        <translation>В состоянии покоя</translation>
    </message>
    <message>
        <source>This device is working properly</source>
        <translation>Это устройство работает нормально</translation>
    </message>
    <message>
        <source>This device is not configured correctly</source>
        <translation>Это устройство настроено неправильно</translation>
    </message>
    <message>
        <source>Windows cannot load the driver for this device</source>
        <translation>Windows не удаётся загрузить драйвер этого устройства</translation>
    </message>
    <message>
        <source>The driver for this device might be corrupted, or your system may be running low on memory or other resources</source>
        <translation>Драйвер этого устройства может быть повреждён, или системе не хватает памяти или других ресурсов</translation>
    </message>
    <message>
        <source>This device is not working properly. One of its drivers or your registry might be corrupted</source>
        <translation>Это устройство работает неправильно. Один из его драйверов или реестр может быть повреждён</translation>
    </message>
    <message>
        <source>The driver for this device needs a resource that Windows cannot manage</source>
        <translation>Драйверу этого устройства нужен ресурс, которым Windows не может управлять</translation>
    </message>
    <message>
        <source>The boot configuration for this device conflicts with other devices</source>
        <translation>Загрузочная конфигурация этого устройства конфликтует с другими устройствами</translation>
    </message>
    <message>
        <source>Cannot filter</source>
        <translation>Невозможно выполнить фильтрацию</translation>
    </message>
    <message>
        <source>The driver loader for the device is missing</source>
        <translation>Отсутствует загрузчик драйвера устройства</translation>
    </message>
    <message>
        <source>This device is not working properly because the controlling firmware is reporting the resources for the device incorrectly</source>
        <translation>Это устройство работает неправильно, так как управляющая микропрограмма неверно сообщает о его ресурсах</translation>
    </message>
    <message>
        <source>This device cannot start</source>
        <translation>Это устройство не может запуститься</translation>
    </message>
    <message>
        <source>This device failed</source>
        <translation>Сбой этого устройства</translation>
    </message>
    <message>
        <source>This device cannot find enough free resources that it can use</source>
        <translation>Этому устройству не хватает свободных ресурсов</translation>
    </message>
    <message>
        <source>Windows cannot verify this device&apos;s resources</source>
        <translation>Windows не удаётся проверить ресурсы этого устройства</translation>
    </message>
    <message>
        <source>This device cannot work properly until you restart your computer</source>
        <translation>Это устройство не будет работать правильно до перезагрузки компьютера</translation>
    </message>
    <message>
        <source>This device is not working properly because there is probably a re-enumeration problem</source>
        <translation>Это устройство работает неправильно, вероятно, из-за проблемы повторного перечисления</translation>
    </message>
    <message>
        <source>Windows cannot identify all the resources this device uses</source>
        <translation>Windows не удаётся определить все ресурсы, используемые этим устройством</translation>
    </message>
    <message>
        <source>This device is asking for an unknown resource type</source>
        <translation>Это устройство запрашивает ресурс неизвестного типа</translation>
    </message>
    <message>
        <source>Reinstall the drivers for this device</source>
        <translation>Переустановите драйверы этого устройства</translation>
    </message>
    <message>
        <source>Failure using the VxD loader</source>
        <translation>Сбой при использовании загрузчика VxD</translation>
    </message>
    <message>
        <source>Your registry might be corrupted</source>
        <translation>Возможно, реестр повреждён</translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that does not work, see your hardware documentation. Windows is removing this device</source>
        <translation>Системный сбой: попробуйте заменить драйвер этого устройства. Если это не поможет, обратитесь к документации оборудования. Windows удаляет это устройство</translation>
    </message>
    <message>
        <source>This device is disabled</source>
        <translation>Это устройство отключено</translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that doesn&apos;t work, see your hardware documentation</source>
        <translation>Системный сбой: попробуйте заменить драйвер этого устройства. Если это не поможет, обратитесь к документации оборудования</translation>
    </message>
    <message>
        <source>This device is not present, is not working properly, or does not have all its drivers installed</source>
        <translation>Это устройство отсутствует, работает неправильно или для него установлены не все драйверы</translation>
    </message>
    <message>
        <source>Windows is still setting up this device</source>
        <translation>Windows ещё настраивает это устройство</translation>
    </message>
    <message>
        <source>This device does not have valid log configuration</source>
        <translation>У этого устройства нет допустимой конфигурации журнала</translation>
    </message>
    <message>
        <source>The drivers for this device are not installed</source>
        <translation>Драйверы этого устройства не установлены</translation>
    </message>
    <message>
        <source>This device is disabled because the firmware of the device did not give it the required resources</source>
        <translation>Это устройство отключено, так как его микропрограмма не предоставила нужные ресурсы</translation>
    </message>
    <message>
        <source>This device is using an Interrupt Request (IRQ) resource that another device is using</source>
        <translation>Это устройство использует запрос на прерывание (IRQ), занятый другим устройством</translation>
    </message>
    <message>
        <source>This device is not working properly because Windows cannot load the drivers required for this device</source>
        <translation>Это устройство работает неправильно, так как Windows не удаётся загрузить нужные ему драйверы</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Raw Read Error Rate</source>
        <translation>Частота ошибок чтения</translation>
    </message>
    <message>
        <source>Throughput Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Spin Up Time</source>
        <translation>Время раскрутки</translation>
    </message>
    <message>
        <source>Start/Stop Count</source>
        <translation>Число запусков/остановок</translation>
    </message>
    <message>
        <source>Reallocated Sectors Count</source>
        <translation>Число переназначенных секторов</translation>
    </message>
    <message>
        <source>Read Channel Margin</source>
        <translation>Запас канала чтения</translation>
    </message>
    <message>
        <source>Seek Error Rate</source>
        <translation>Частота ошибок позиционирования</translation>
    </message>
    <message>
        <source>Seek Time Performance</source>
        <translation>Производительность позиционирования</translation>
    </message>
    <message>
        <source>Power-On Hours</source>
        <translation>Часы работы</translation>
    </message>
    <message>
        <source>Spin Retry Count</source>
        <translation>Число повторных раскруток</translation>
    </message>
    <message>
        <source>Recalibration Retries</source>
        <translation>Повторы калибровки</translation>
    </message>
    <message>
        <source>Device Power Cycle Count</source>
        <translation>Число циклов включения</translation>
    </message>
    <message>
        <source>Soft Read Error Rate</source>
        <translation>Частота программных ошибок чтения</translation>
    </message>
    <message>
        <source>Load/Unload Cycle Count</source>
        <translation>Число циклов парковки</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Reallocation Event Count</source>
        <translation>Число операций переназначения</translation>
    </message>
    <message>
        <source>Current Pending Sector Count</source>
        <translation>Число нестабильных секторов</translation>
    </message>
    <message>
        <source>Uncorrectable Sector Count</source>
        <translation>Число неисправимых секторов</translation>
    </message>
    <message>
        <source>UltraDMA CRC Error Count</source>
        <translation>Число ошибок CRC UltraDMA</translation>
    </message>
    <message>
        <source>Write Error Rate (Multi Zone Error Rate)</source>
        <translation>Частота ошибок записи</translation>
    </message>
    <message>
        <source>Disk Shift</source>
        <translation>Смещение диска</translation>
    </message>
    <message>
        <source>G-Sense Error Rate</source>
        <translation>Частота ошибок от ударов</translation>
    </message>
    <message>
        <source>Loaded Hours</source>
        <translation>Часы под нагрузкой</translation>
    </message>
    <message>
        <source>Load/Unload Retry Count</source>
        <translation>Число повторов парковки</translation>
    </message>
    <message>
        <source>Load Friction</source>
        <translation>Трение при нагрузке</translation>
    </message>
    <message>
        <source>Load-in Time</source>
        <translation>Время под нагрузкой</translation>
    </message>
    <message>
        <source>Torque Amplification Count</source>
        <translation>Число усилений крутящего момента</translation>
    </message>
    <message>
        <source>Power-Off Retract Count</source>
        <translation>Число аварийных парковок</translation>
    </message>
    <message>
        <source>GMR Head Amplitude</source>
        <translation>Амплитуда головок GMR</translation>
    </message>
    <message>
        <source>This attribute value depends of read errors, disk surface condition and indicates the rate of hardware read errors that occurred when reading data from a disk surface. Lower values indicate that there is a problem with either disk surface or read/write heads</source>
        <translation>Значение этого атрибута зависит от ошибок чтения и состояния поверхности диска и показывает частоту аппаратных ошибок при чтении данных с поверхности диска. Более низкие значения указывают на проблему с поверхностью диска или головками чтения/записи</translation>
    </message>
    <message>
        <source>Overall (general) throughput performance of a hard disk drive. If the value of this attribute is deceasing there is a high probability of troubles with your disk.</source>
        <translation>Общая производительность жёсткого диска. Если значение этого атрибута уменьшается, высока вероятность неполадок с диском.</translation>
    </message>
    <message>
        <source>Average time of spindle spin up (from zero RPM (Revolutions Per Minute) to fully operational). Active SMART shows the data value of this attribute in milliseconds or seconds.</source>
        <translation>Среднее время раскрутки шпинделя (от нуля оборотов в минуту до рабочей скорости). Значение этого атрибута показывается в миллисекундах или секундах.</translation>
    </message>
    <message>
        <source>This data value of this attribute is a count of hard disk spindle start/stop cycles</source>
        <translation>Значение этого атрибута - число циклов запуска/остановки шпинделя жёсткого диска</translation>
    </message>
    <message>
        <source>Count of reallocated sectors. When the hard drive finds a read/write/verification error, it marks this sector as &quot;reallocated&quot; and transfers data to a special reserved area (spare area). This process is also known as remapping and &quot;reallocated&quot; sectors are called remaps. This is why, on a modern hard disks, you can not see &quot;bad blocks&quot; while testing the surface - all bad blocks are hidden in reallocated sectors. However, the more sectors that are reallocated, the more a sudden decrease (up to 10% and more) can be noticed in the disk read/write speed.</source>
        <translation>Число переназначенных секторов. Обнаружив ошибку чтения, записи или проверки, жёсткий диск помечает сектор как «переназначенный» и переносит данные в специальную резервную область. Этот процесс называют переназначением, поэтому на современных дисках при проверке поверхности не видно «плохих блоков» - все они скрыты в переназначенных секторах. Однако чем больше переназначенных секторов, тем заметнее падение скорости чтения и записи (до 10% и более).</translation>
    </message>
    <message>
        <source>Margin of a channel while reading data. The function of this attribute is not specified.</source>
        <translation>Запас канала при чтении данных. Назначение этого атрибута не определено.</translation>
    </message>
    <message>
        <source>Rate of seek errors of the magnetic heads. If there is a failure in the mechanical positioning system, a servo damage or a thermal widening of the hard disk, seek errors arise. More seek errors indicates a worsening condition of a disk surface and the disk mechanical subsystem.</source>
        <translation>Частота ошибок позиционирования магнитных головок. Ошибки позиционирования возникают при неисправности механической системы, повреждении сервометок или тепловом расширении диска. Рост числа ошибок говорит об ухудшении состояния поверхности и механики диска.</translation>
    </message>
    <message>
        <source>Average performance of seek operations of the magnetic heads. If this attribute is decreasing, it is a sign of problems in the hard disk drive mechanical subsystem.</source>
        <translation>Средняя производительность операций позиционирования магнитных головок. Уменьшение этого атрибута - признак проблем в механике жёсткого диска.</translation>
    </message>
    <message>
        <source>Count of hours in power-on state. The data value of this attribute shows total count of hours (or minutes, or seconds, depending on manufacturer) in power-on state. A decrease of this attribute value to the critical level (threshold) indicates a decrease of the MTBF (Mean Time Between Failures). However, in reality, even if the MTBF value falls to zero, it does not mean that the MTBF resource is completely exhausted and the drive will not function normally.</source>
        <translation>Число часов во включённом состоянии. Значение этого атрибута показывает общее время работы в часах (или минутах, или секундах - в зависимости от производителя). Снижение значения до критического уровня (порога) указывает на уменьшение среднего времени наработки на отказ (MTBF). Однако даже если это значение упадёт до нуля, это не значит, что ресурс исчерпан и диск перестанет нормально работать.</translation>
    </message>
    <message>
        <source>Count of retry of spin start attempts. This attribute stores a total count of the spin start attempts to reach the fully operational speed (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation>Число повторных попыток раскрутки. Этот атрибут хранит общее число попыток раскрутить диск до рабочей скорости (если первая попытка была неудачной). Уменьшение значения - признак проблем в механике жёсткого диска.</translation>
    </message>
    <message>
        <source>This attribute indicates the number of times recalibration was requested (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation>Этот атрибут показывает, сколько раз запрашивалась повторная калибровка (если первая попытка была неудачной). Уменьшение значения - признак проблем в механике жёсткого диска.</translation>
    </message>
    <message>
        <source>This attribute indicates the count of full hard disk power on/off cycles.</source>
        <translation>Этот атрибут показывает число полных циклов включения/выключения жёсткого диска.</translation>
    </message>
    <message>
        <source>This is the rate of &quot;program&quot; read errors occurring when reading data from a disk surface.</source>
        <translation>Частота «программных» ошибок, возникающих при чтении данных с поверхности диска.</translation>
    </message>
    <message>
        <source>Count of load/unload cycles into Landing Zone position. For more info see the Head Load/Unload Technology description.</source>
        <translation>Число циклов перемещения головок в зону парковки и обратно. Подробнее см. описание технологии парковки головок.</translation>
    </message>
    <message>
        <source>Hard disk drive temperature. The data value of this attribute shows built-in heat sensor registrations (in degrees centigrade).</source>
        <translation>Температура жёсткого диска. Значение этого атрибута - показания встроенного датчика температуры (в градусах Цельсия).</translation>
    </message>
    <message>
        <source>Count of remap operations (transfering data from a bad sector to a special reserved disk area - spare area). The data value of this attribute shows the total number of attempts to transfer data from reallocated sectors to a spare area. Unsuccessful attempts are counted as well as successful.</source>
        <translation>Число операций переназначения (переноса данных из сбойного сектора в резервную область диска). Значение этого атрибута - общее число попыток переноса данных из переназначенных секторов в резервную область, как удачных, так и неудачных.</translation>
    </message>
    <message>
        <source>Current count of unstable sectors (waiting for remapping). The data value of this attribute indicates the total number of sectors waiting for remapping. Later, when some of these sectors are read successfully, the value is decreased. If errors still occur when reading some sector, the hard drive will try to restore the data, transfer it to the reserved disk area (spare area) and mark this sector as remapped. If this attribute value remains at zero, it indicates that the quality of the corresponding surface area is low.</source>
        <translation>Текущее число нестабильных секторов (ожидающих переназначения). Значение атрибута - общее число секторов, ожидающих переназначения. Если позже такие секторы удаётся прочитать, значение уменьшается. Если ошибки чтения сектора повторяются, диск попытается восстановить данные, перенести их в резервную область и пометить сектор как переназначенный. Если значение этого атрибута остаётся на нуле, качество соответствующей области поверхности низкое.</translation>
    </message>
    <message>
        <source>Quantity of uncorrectable errors. The data value of this attribute indicates the total number of uncorrectable errors when reading/writing a sector. A rise in the value of this attribute indicates that there are evident defects of the disk surface and/or there are problems in the hard disk drive mechanical subsystem.</source>
        <translation>Число неисправимых ошибок. Значение этого атрибута - общее число неисправимых ошибок при чтении или записи сектора. Рост значения указывает на явные дефекты поверхности диска и/или проблемы в механике жёсткого диска.</translation>
    </message>
    <message>
        <source>The total quantity of CRC errors during UltraDMA mode. The data value of this attribute indicates the number of errors found during data transfer in UltraDMA mode by ICRC (Interface CRC).</source>
        <translation>Общее число ошибок CRC в режиме UltraDMA. Значение этого атрибута - число ошибок, обнаруженных при передаче данных в режиме UltraDMA по контрольной сумме интерфейса (ICRC).</translation>
    </message>
    <message>
        <source>Write data errors rate. This attribute indicates the total number of errors found when writing a sector. The higher the data value, the worse the disk surface condition and/or mechanical subsystem is.</source>
        <translation>Частота ошибок записи данных. Этот атрибут показывает общее число ошибок при записи сектора. Чем выше значение, тем хуже состояние поверхности диска и/или механики.</translation>
    </message>
    <message>
        <source>Shift of disks towards spindle. The data value of this attribute indicates how much the disk has shifted. Shift of disks is possible as a result of a strong shock or a fall, or for other reasons.</source>
        <translation>Смещение дисков относительно шпинделя. Значение этого атрибута показывает, насколько сместился диск. Смещение возможно в результате сильного удара, падения или по другим причинам.</translation>
    </message>
    <message>
        <source>Rate of errors occurring as a result of impact loads. This attribute stores an indication of a shock-sensitive sensor, that is, the total quantity of errors occurring as a result of internal impact loads (dropping drive, wrong installation, etc.).</source>
        <translation>Частота ошибок, вызванных ударными нагрузками. Атрибут хранит показания датчика ударов, то есть общее число ошибок из-за ударных нагрузок (падение накопителя, неправильная установка и т. п.).</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by the general operating time. Only time when the actuator was in the operating position is counted.</source>
        <translation>Нагрузка на привод магнитных головок за общее время работы. Учитывается только время, когда привод был в рабочем положении.</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by numerous recurrences of operations like: reading, recording, positioning of heads, etc. Only the time when heads were in the operating position is counted.</source>
        <translation>Нагрузка на привод магнитных головок из-за многократного повторения операций: чтения, записи, позиционирования головок и т. п. Учитывается только время, когда головки были в рабочем положении.</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by friction in mechanical parts of the store. Only the time when heads were in the operating position is counted.</source>
        <translation>Нагрузка на привод магнитных головок из-за трения в механических частях накопителя. Учитывается только время, когда головки были в рабочем положении.</translation>
    </message>
    <message>
        <source>Total time of loading on the magnetic heads actuator. This attribute indicates total time in which the drive was under load (on the assumption that the magnetic heads were in operating mode and out of the parking area).</source>
        <translation>Общее время нагрузки на привод магнитных головок. Атрибут показывает общее время, в течение которого накопитель был под нагрузкой (головки в рабочем режиме и вне зоны парковки).</translation>
    </message>
    <message>
        <source>Count of efforts of the rotating moment of a drive.</source>
        <translation>Число усилий крутящего момента привода.</translation>
    </message>
    <message>
        <source>This attribute shows a count of the number of times the drive was powered down.</source>
        <translation>Этот атрибут показывает, сколько раз накопитель выключался.</translation>
    </message>
    <message>
        <source>Amplitude of heads trembling (GMR-head) in running mode.</source>
        <translation>Амплитуда дрожания головок (GMR) в рабочем режиме.</translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation>Не удалось инициализировать библиотеку COM. Код ошибки:</translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation>Не удалось создать объект IWbemLocator. Код ошибки:</translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation>Не удалось подключиться. Код ошибки:</translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation>Не удалось установить параметры безопасности прокси. Код ошибки:</translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation>Ошибка запроса. Код ошибки:</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>GHz</source>
        <translation>ГГц</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>-based processor</source>
        <translation>-совместимый процессор</translation>
    </message>
    <message>
        <source>-volt</source>
        <translation>-вольтовый</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Number of logical processors</source>
        <translation>Число логических процессоров</translation>
    </message>
    <message>
        <source>Max frequency</source>
        <translation>Максимальная частота</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Разъём</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>L2 cache</source>
        <translation>Кэш L2</translation>
    </message>
    <message>
        <source>L3 cache</source>
        <translation>Кэш L3</translation>
    </message>
    <message>
        <source>Architecture</source>
        <translation>Архитектура</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Current frequency</source>
        <translation>Текущая частота</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Семейство</translation>
    </message>
    <message>
        <source>Cores</source>
        <translation>Ядра</translation>
    </message>
    <message>
        <source>Thread count</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Ревизия</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Идентификатор устройства</translation>
    </message>
    <message>
        <source>Current voltage</source>
        <translation>Текущее напряжение</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Роль</translation>
    </message>
    <message>
        <source>Processor type</source>
        <translation>Тип процессора</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Номер детали</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Текущее состояние</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>пикселей</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Driver version</source>
        <translation>Версия драйвера</translation>
    </message>
    <message>
        <source>Driver install date</source>
        <translation>Дата установки драйвера</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Monitor BPP</source>
        <translation>Глубина цвета монитора</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>бит</translation>
    </message>
    <message>
        <source>DAC type</source>
        <translation>Тип ЦАП</translation>
    </message>
    <message>
        <source>Monitor frequency</source>
        <translation>Частота монитора</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Monitor width</source>
        <translation>Ширина монитора</translation>
    </message>
    <message>
        <source>Monitor height</source>
        <translation>Высота монитора</translation>
    </message>
    <message>
        <source>Max refresh rate</source>
        <translation>Максимальная частота обновления</translation>
    </message>
    <message>
        <source>Min refresh rate</source>
        <translation>Минимальная частота обновления</translation>
    </message>
    <message>
        <source>PNP Device ID</source>
        <translation>Идентификатор устройства PNP</translation>
    </message>
    <message>
        <source>Display drivers</source>
        <translation>Драйверы дисплея</translation>
    </message>
    <message>
        <source>Video architecture</source>
        <translation>Видеоархитектура</translation>
    </message>
    <message>
        <source>-EncryptionBit</source>
        <translation>-битное шифрование</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Имя компьютера</translation>
    </message>
    <message>
        <source>Partition name</source>
        <translation>Имя раздела</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Код продукта</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Системный диск</translation>
    </message>
    <message>
        <source>System directory</source>
        <translation>Системная папка</translation>
    </message>
    <message>
        <source>Number of processes</source>
        <translation>Число процессов</translation>
    </message>
    <message>
        <source>Registered user</source>
        <translation>Зарегистрированный пользователь</translation>
    </message>
    <message>
        <source>Operating system directory</source>
        <translation>Папка операционной системы</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Основная</translation>
    </message>
    <message>
        <source>Last boot up time</source>
        <translation>Время последней загрузки</translation>
    </message>
    <message>
        <source>Locale</source>
        <translation>Региональные параметры</translation>
    </message>
    <message>
        <source>Install date</source>
        <translation>Дата установки</translation>
    </message>
    <message>
        <source>Boot device</source>
        <translation>Загрузочное устройство</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Код страны</translation>
    </message>
    <message>
        <source>Number of users</source>
        <translation>Число пользователей</translation>
    </message>
    <message>
        <source>System device</source>
        <translation>Системное устройство</translation>
    </message>
    <message>
        <source>Max process memory size</source>
        <translation>Максимальный объём памяти процесса</translation>
    </message>
    <message>
        <source>Encryption level</source>
        <translation>Уровень шифрования</translation>
    </message>
    <message>
        <source>Kernel type</source>
        <translation>Тип ядра</translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation>Неизвестный объём памяти</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Слоты</translation>
    </message>
    <message>
        <source>Total capacity</source>
        <translation>Общий объём</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Слот</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Объём</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>Форм-фактор</translation>
    </message>
    <message>
        <source>Data width</source>
        <translation>Разрядность данных</translation>
    </message>
    <message>
        <source>Memory type</source>
        <translation>Тип памяти</translation>
    </message>
    <message>
        <source>Represented type of physical memory</source>
        <translation>Тип физической памяти</translation>
    </message>
    <message>
        <source>Memory location</source>
        <translation>Расположение памяти</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>Bytes Per Sector</source>
        <translation>Байт на сектор</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Версия микропрограммы</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Interface Type</source>
        <translation>Тип интерфейса</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Разделы</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Block size</source>
        <translation>Размер блока</translation>
    </message>
    <message>
        <source>Primary partition</source>
        <translation>Основной раздел</translation>
    </message>
    <message>
        <source>Disk index</source>
        <translation>Индекс диска</translation>
    </message>
    <message>
        <source>Number of blocks</source>
        <translation>Число блоков</translation>
    </message>
    <message>
        <source>Starting offset of the partition</source>
        <translation>Начальное смещение раздела</translation>
    </message>
    <message>
        <source>Bootable</source>
        <translation>Загрузочный</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Политика конфиденциальности</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Сборка:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>EULA:</source>
        <translation>Лицензия:</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Лицензионное соглашение с конечным пользователем</translation>
    </message>
    <message>
        <source>Privacy Policy:</source>
        <translation>Политика конфиденциальности:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архитектура:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Учётная запись:</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Отзыв:</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Веб-сайт:</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>ОС</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>Видеокарта</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Накопители</translation>
    </message>
    <message>
        <source>Optical Devices</source>
        <translation>Приводы</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Мат. плата</translation>
    </message>
    <message>
        <source>Sound Devices</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Peripheral</source>
        <translation>Периферия</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>refresh</source>
        <translation>обновить</translation>
    </message>
    <message>
        <source>Total drives</source>
        <translation>Всего дисков</translation>
    </message>
    <message>
        <source>Collecting OS data ...</source>
        <translation>Сбор данных об ОС ...</translation>
    </message>
    <message>
        <source>No OS data is available. Try to</source>
        <translation>Нет данных об ОС. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting CPU data ...</source>
        <translation>Сбор данных о процессоре ...</translation>
    </message>
    <message>
        <source>No CPU data is available. Try to</source>
        <translation>Нет данных о процессоре. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting GPU data ...</source>
        <translation>Сбор данных о видеокарте ...</translation>
    </message>
    <message>
        <source>No GPU data is available. Try to</source>
        <translation>Нет данных о видеокарте. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting RAM data ...</source>
        <translation>Сбор данных о памяти ...</translation>
    </message>
    <message>
        <source>No RAM data is available. Try to</source>
        <translation>Нет данных о памяти. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting Storage data ...</source>
        <translation>Сбор данных о накопителях ...</translation>
    </message>
    <message>
        <source>No Storage data is available. Try to</source>
        <translation>Нет данных о накопителях. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting Optical Devices data ...</source>
        <translation>Сбор данных об оптических приводах ...</translation>
    </message>
    <message>
        <source>No Optical Devices data is available. Try to</source>
        <translation>Нет данных об оптических приводах. Попробуйте</translation>
    </message>
    <message>
        <source>Hardware is not installed</source>
        <translation>Оборудование не установлено</translation>
    </message>
    <message>
        <source>Collecting Motherboard data ...</source>
        <translation>Сбор данных о материнской плате ...</translation>
    </message>
    <message>
        <source>No Motherboard data is available. Try to</source>
        <translation>Нет данных о материнской плате. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting Sound Devices data ...</source>
        <translation>Сбор данных о звуковых устройствах ...</translation>
    </message>
    <message>
        <source>No Sound devices data is available. Try to</source>
        <translation>Нет данных о звуковых устройствах. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting Network data ...</source>
        <translation>Сбор данных о сети ...</translation>
    </message>
    <message>
        <source>No Network data is available. Try to</source>
        <translation>Нет данных о сети. Попробуйте</translation>
    </message>
    <message>
        <source>Collecting Peripheral data ...</source>
        <translation>Сбор данных о периферии ...</translation>
    </message>
    <message>
        <source>No Peripheral data is available. Try to</source>
        <translation>Нет данных о периферии. Попробуйте</translation>
    </message>
    <message>
        <source>Application settings</source>
        <translation>Настройки приложения</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Разное</translation>
    </message>
    <message>
        <source>Useful commands</source>
        <translation>Полезные команды</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Службы</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Процессы</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Драйверы</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Автозагрузка</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Сменить язык</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Change theme</source>
        <translation>Сменить тему</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>Сетевое подключение</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Check connection...</source>
        <translation>Проверить подключение...</translation>
    </message>
    <message>
        <source>Application log</source>
        <translation>Журнал приложения</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Store data</source>
        <translation>Сохранение данных</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print data</source>
        <translation>Печать данных</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Application configuration</source>
        <translation>Конфигурация приложения</translation>
    </message>
    <message>
        <source>Show splash at startup</source>
        <translation>Показывать заставку при запуске</translation>
    </message>
    <message>
        <source>Share hardware information</source>
        <translation>Отправлять сведения об оборудовании</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Show application full information</source>
        <translation>Показывать полную информацию о приложении</translation>
    </message>
    <message>
        <source>Automatically expand all data</source>
        <translation>Автоматически раскрывать все данные</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Сбросить настройки по умолчанию</translation>
    </message>
    <message>
        <source>System tray</source>
        <translation>Системный трей</translation>
    </message>
    <message>
        <source>Add to tray</source>
        <translation>Добавить в трей</translation>
    </message>
    <message>
        <source>Close to tray</source>
        <translation>Закрывать в трей</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Сворачивать в трей</translation>
    </message>
    <message>
        <source>Notify me when running in tray</source>
        <translation>Уведомлять о работе в трее</translation>
    </message>
    <message>
        <source>Show application window when in tray</source>
        <translation>Показывать окно приложения при работе в трее</translation>
    </message>
    <message>
        <source>Manage font</source>
        <translation>Управление шрифтом</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>АаБбЭэЯя</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Process name</source>
        <translation>Имя процесса</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ИД</translation>
    </message>
    <message>
        <source>Working set size</source>
        <translation>Рабочий набор</translation>
    </message>
    <message>
        <source>Handle count</source>
        <translation>Дескрипторы</translation>
    </message>
    <message>
        <source>Peak page file usage</source>
        <translation>Пик подкачки</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
    </message>
    <message>
        <source>Session ID</source>
        <translation>ИД сеанса</translation>
    </message>
    <message>
        <source>Virtual size</source>
        <translation>Вирт. память</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Collecting Processes data ...</source>
        <translation>Сбор данных о процессах ...</translation>
    </message>
    <message>
        <source>No Processes data is available. Try to</source>
        <translation>Нет данных о процессах. Попробуйте</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Имя приложения</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Разработчик</translation>
    </message>
    <message>
        <source>Install path</source>
        <translation>Путь установки</translation>
    </message>
    <message>
        <source>Uninstall path</source>
        <translation>Путь удаления</translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation>Установлено:</translation>
    </message>
    <message>
        <source>Collecting data...</source>
        <translation>Сбор данных...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Collecting Applications data ...</source>
        <translation>Сбор данных о приложениях ...</translation>
    </message>
    <message>
        <source>No data is available! You don&apos;t have any applications installed.</source>
        <translation>Нет данных! У вас не установлено ни одного приложения.</translation>
    </message>
    <message>
        <source>Service name</source>
        <translation>Имя службы</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error control</source>
        <translation>Контроль ошибок</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Тип запуска</translation>
    </message>
    <message>
        <source>Wait hint</source>
        <translation>Время ожидания</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>Код выхода</translation>
    </message>
    <message>
        <source>Collecting Services data ...</source>
        <translation>Сбор данных о службах ...</translation>
    </message>
    <message>
        <source>No Services data is available. Try to</source>
        <translation>Нет данных о службах. Попробуйте</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Collecting Drivers data ...</source>
        <translation>Сбор данных о драйверах ...</translation>
    </message>
    <message>
        <source>Startup path</source>
        <translation>Путь автозагрузки</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Startup:</source>
        <translation>Автозагрузка:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Collecting Startup data ...</source>
        <translation>Сбор данных об автозагрузке ...</translation>
    </message>
    <message>
        <source>No startup data is available.</source>
        <translation>Нет данных об автозагрузке.</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Диски:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Attribute ID</source>
        <translation>ИД атрибута</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Наихудшее</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>Collecting smart data ...</source>
        <translation>Сбор данных S.M.A.R.T. ...</translation>
    </message>
    <message>
        <source>No smart data has been found!</source>
        <translation>Данные S.M.A.R.T. не найдены!</translation>
    </message>
    <message>
        <source>Collecting TPM data ...</source>
        <translation>Сбор данных о TPM ...</translation>
    </message>
    <message>
        <source>Trusted Platform Module is not installed!</source>
        <translation>Доверенный платформенный модуль не установлен!</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Application updates</source>
        <translation>Обновления приложения</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Не проверялось</translation>
    </message>
    <message>
        <source>Last checked:</source>
        <translation>Последняя проверка:</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Проверить обновления...</translation>
    </message>
    <message>
        <source>Updates channel</source>
        <translation>Канал обновлений</translation>
    </message>
    <message>
        <source>Application changelog</source>
        <translation>Список изменений приложения</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список изменений</translation>
    </message>
    <message>
        <source>Updates settings</source>
        <translation>Настройки обновлений</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Устанавливать обновления автоматически</translation>
    </message>
    <message>
        <source>Disable updates (not recommended)</source>
        <translation>Отключить обновления (не рекомендуется)</translation>
    </message>
    <message>
        <source>Check for updates when application starts</source>
        <translation>Проверять обновления при запуске приложения</translation>
    </message>
    <message>
        <source>Get insider builds notification</source>
        <translation>Получать уведомления об инсайдерских сборках</translation>
    </message>
    <message>
        <source>Delete installer after update</source>
        <translation>Удалять установщик после обновления</translation>
    </message>
    <message>
        <source>Install updates silently</source>
        <translation>Устанавливать обновления без вопросов</translation>
    </message>
    <message>
        <source>Manage Updates Paths</source>
        <translation>Пути обновлений</translation>
    </message>
    <message>
        <source>Download path:</source>
        <translation>Путь загрузки:</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Путь установки:</translation>
    </message>
    <message>
        <source>Updates delivery</source>
        <translation>Источник обновлений</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Реестр</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>Проводник</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>DX Diagnostic Tool</source>
        <translation>Диагностика DirectX</translation>
    </message>
    <message>
        <source>Windows Defender</source>
        <translation>Защитник Windows</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Task Manager</source>
        <translation>Диспетчер задач</translation>
    </message>
    <message>
        <source>Computer Management</source>
        <translation>Управление компьютером</translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation>Брандмауэр Windows</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Командная строка</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Диспетчер устройств</translation>
    </message>
    <message>
        <source>Programs and Features</source>
        <translation>Программы и компоненты</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Панель управления</translation>
    </message>
    <message>
        <source>Devices and Printers</source>
        <translation>Устройства и принтеры</translation>
    </message>
    <message>
        <source>Windows Update</source>
        <translation>Центр обновления Windows</translation>
    </message>
    <message>
        <source>About Windows</source>
        <translation>О Windows</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Network and Sharing Center</source>
        <translation>Центр управления сетями и общим доступом</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <translation>Конфигурация системы</translation>
    </message>
    <message>
        <source>Power Options</source>
        <translation>Электропитание</translation>
    </message>
    <message>
        <source>Remote Desktop Connection</source>
        <translation>Удалённое подключение</translation>
    </message>
    <message>
        <source>Command Prompt (Admin)</source>
        <translation>Командная строка (адм.)</translation>
    </message>
    <message>
        <source>DX Diagnostic Tool (x64)</source>
        <translation>Диагностика DirectX (x64)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <source>Cortana/Search</source>
        <translation>Cortana/Поиск</translation>
    </message>
    <message>
        <source>NVIDIA Control Panel</source>
        <translation>Панель управления NVIDIA</translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Папка временных файлов</translation>
    </message>
    <message>
        <source>System Properties</source>
        <translation>Свойства системы</translation>
    </message>
    <message>
        <source>Environment Variables</source>
        <translation>Переменные среды</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>App Data folder</source>
        <translation>Папка данных приложений</translation>
    </message>
    <message>
        <source>File Explorer Options</source>
        <translation>Параметры Проводника</translation>
    </message>
    <message>
        <source>Set Default Programs</source>
        <translation>Программы по умолчанию</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Windows Mobility Center</source>
        <translation>Центр мобильности Windows</translation>
    </message>
    <message>
        <source>Event Viewer</source>
        <translation>Просмотр событий</translation>
    </message>
    <message>
        <source>Windows Memory Diagnostic</source>
        <translation>Проверка памяти Windows</translation>
    </message>
    <message>
        <source>User Accounts</source>
        <translation>Учётные записи пользователей</translation>
    </message>
    <message>
        <source>Adapter Properties</source>
        <translation>Свойства адаптера</translation>
    </message>
    <message>
        <source>Game Controllers</source>
        <translation>Игровые устройства</translation>
    </message>
    <message>
        <source>Desktop Icon Settings</source>
        <translation>Значки рабочего стола</translation>
    </message>
    <message>
        <source>Character Map</source>
        <translation>Таблица символов</translation>
    </message>
    <message>
        <source>Windows Malicious Software Removal Tool</source>
        <translation>Средство удаления вредоносных программ Windows</translation>
    </message>
    <message>
        <source>DirectX Properties</source>
        <translation>Свойства DirectX</translation>
    </message>
    <message>
        <source>Administrative Tools</source>
        <translation>Администрирование</translation>
    </message>
    <message>
        <source>Driver Verifier Manager</source>
        <translation>Проверка драйверов</translation>
    </message>
    <message>
        <source>Ease of Access</source>
        <translation>Специальные возможности</translation>
    </message>
    <message>
        <source>Edit group policy</source>
        <translation>Редактор групповой политики</translation>
    </message>
    <message>
        <source>Windows Management Instrumentation</source>
        <translation>Инструментарий управления Windows</translation>
    </message>
    <message>
        <source>Check disk</source>
        <translation>Проверка диска</translation>
    </message>
    <message>
        <source>Local Security Policy</source>
        <translation>Политика безопасности</translation>
    </message>
    <message>
        <source>Local Users and Groups</source>
        <translation>Пользователи и группы</translation>
    </message>
    <message>
        <source>Bluetooth File Transfer</source>
        <translation>Передача через Bluetooth</translation>
    </message>
    <message>
        <source>Shared Folders</source>
        <translation>Общие папки</translation>
    </message>
    <message>
        <source>File Signature Verification</source>
        <translation>Проверка подписи файлов</translation>
    </message>
    <message>
        <source>SQL Server Client Network Utility</source>
        <translation>Сетевой клиент SQL Server</translation>
    </message>
    <message>
        <source>Performance Monitor</source>
        <translation>Системный монитор</translation>
    </message>
    <message>
        <source>Resultant Set of Policy</source>
        <translation>Результирующая политика</translation>
    </message>
    <message>
        <source>Private Character Editor</source>
        <translation>Редактор личных знаков</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Сертификаты</translation>
    </message>
    <message>
        <source>Disk Management</source>
        <translation>Управление дисками</translation>
    </message>
    <message>
        <source>Component Services</source>
        <translation>Службы компонентов</translation>
    </message>
    <message>
        <source>Disk Cleanup Utility</source>
        <translation>Очистка диска</translation>
    </message>
    <message>
        <source>Disk Partition Manager</source>
        <translation>Диспетчер разделов диска</translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation>Свойства экрана</translation>
    </message>
    <message>
        <source>Files and Settings Transfer Tool</source>
        <translation>Средство переноса файлов и параметров</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Шрифты</translation>
    </message>
    <message>
        <source>Internet Properties</source>
        <translation>Свойства браузера</translation>
    </message>
    <message>
        <source>Keyboard Properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>Windows Log out</source>
        <translation>Выход из Windows</translation>
    </message>
    <message>
        <source>Microsoft Syncronization Tool</source>
        <translation>Центр синхронизации</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Свойства мыши</translation>
    </message>
    <message>
        <source>Network Connections</source>
        <translation>Сетевые подключения</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Блокнот</translation>
    </message>
    <message>
        <source>On Screen Keyboard</source>
        <translation>Экранная клавиатура</translation>
    </message>
    <message>
        <source>Phone and Modem Options</source>
        <translation>Телефон и модем</translation>
    </message>
    <message>
        <source>Phone Dialer</source>
        <translation>Номеронабиратель</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Проверка связи</translation>
    </message>
    <message>
        <source>Access work or school</source>
        <translation>Доступ к работе/учёбе</translation>
    </message>
    <message>
        <source>Email &amp;&amp; app accounts</source>
        <translation>Почта и учётные записи</translation>
    </message>
    <message>
        <source>Family &amp;&amp; other people</source>
        <translation>Семья и другие пользователи</translation>
    </message>
    <message>
        <source>Set up a kiosk</source>
        <translation>Настройка киоска</translation>
    </message>
    <message>
        <source>Sign-in options</source>
        <translation>Варианты входа</translation>
    </message>
    <message>
        <source>Sync your settings</source>
        <translation>Синхронизация параметров</translation>
    </message>
    <message>
        <source>Windows Hello (Face) setup</source>
        <translation>Windows Hello (лицо)</translation>
    </message>
    <message>
        <source>Windows Hello (Fingerprint) setup</source>
        <translation>Windows Hello (отпечаток пальца)</translation>
    </message>
    <message>
        <source>Your info</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>Apps &amp;&amp; Features</source>
        <translation>Приложения и возможности</translation>
    </message>
    <message>
        <source>Apps for websites</source>
        <translation>Приложения для веб-сайтов</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Приложения по умолчанию</translation>
    </message>
    <message>
        <source>Manage optional features</source>
        <translation>Дополнительные компоненты</translation>
    </message>
    <message>
        <source>Offline Maps</source>
        <translation>Автономные карты</translation>
    </message>
    <message>
        <source>Startup apps</source>
        <translation>Автозагрузка приложений</translation>
    </message>
    <message>
        <source>Video playback</source>
        <translation>Воспроизведение видео</translation>
    </message>
    <message>
        <source>Control center</source>
        <translation>Центр управления</translation>
    </message>
    <message>
        <source>Cortana across my devices</source>
        <translation>Cortana на моих устройствах</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Permissions &amp;&amp; History</source>
        <translation>Разрешения &amp;&amp; журнал</translation>
    </message>
    <message>
        <source>Searching Windows</source>
        <translation>Поиск в Windows</translation>
    </message>
    <message>
        <source>Talk to Cortana</source>
        <translation>Разговор с Cortana</translation>
    </message>
    <message>
        <source>AutoPlay</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth и другие устройства</translation>
    </message>
    <message>
        <source>Connected Devices</source>
        <translation>Подключённые устройства</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Параметры камеры</translation>
    </message>
    <message>
        <source>Mouse &amp;&amp; touchpad</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Windows Ink</source>
        <translation>Перо и Windows Ink</translation>
    </message>
    <message>
        <source>Printers &amp;&amp; scanners</source>
        <translation>Принтеры и сканеры</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Сенсорный ввод</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Сенсорная панель</translation>
    </message>
    <message>
        <source>Text Suggestions</source>
        <translation>Предложения текста</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Колесо</translation>
    </message>
    <message>
        <source>Your phone</source>
        <translation>Ваш телефон</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Closed captions</source>
        <translation>Скрытые субтитры</translation>
    </message>
    <message>
        <source>Color filters</source>
        <translation>Цветовые фильтры</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>Eye control</source>
        <translation>Управление глазами</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Высокая контрастность</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Экранная лупа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Mouse pointer &amp;&amp; touch</source>
        <translation>Указатель мыши &amp;&amp; касания</translation>
    </message>
    <message>
        <source>Narrator</source>
        <translation>Экранный диктор</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Речь</translation>
    </message>
    <message>
        <source>Text cursor</source>
        <translation>Текстовый курсор</translation>
    </message>
    <message>
        <source>Visual Effects</source>
        <translation>Визуальные эффекты</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Family Group</source>
        <translation>Семейная группа</translation>
    </message>
    <message>
        <source>Game bar</source>
        <translation>Игровая панель</translation>
    </message>
    <message>
        <source>Game DVR</source>
        <translation>Клипы</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Игровой режим</translation>
    </message>
    <message>
        <source>Playing a game full screen</source>
        <translation>Игра в полноэкранном режиме</translation>
    </message>
    <message>
        <source>TruePlay</source>
        <translation>TruePlay</translation>
    </message>
    <message>
        <source>Default browser settings</source>
        <translation>Браузер по умолчанию</translation>
    </message>
    <message>
        <source>Audio and speech</source>
        <translation>Звук и речь</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Headset display</source>
        <translation>Дисплей гарнитуры</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>Startup and desktop</source>
        <translation>Запуск и рабочий стол</translation>
    </message>
    <message>
        <source>Network &amp;&amp; internet</source>
        <translation>Сеть и Интернет</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Дополнительные параметры</translation>
    </message>
    <message>
        <source>Airplane mode</source>
        <translation>Режим «в самолёте»</translation>
    </message>
    <message>
        <source>Cellular &amp;&amp; SIM</source>
        <translation>Сотовая сеть &amp;&amp; SIM-карта</translation>
    </message>
    <message>
        <source>Dial-up</source>
        <translation>Телефонное подключение</translation>
    </message>
    <message>
        <source>DirectAccess</source>
        <translation>DirectAccess</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Manage known networks</source>
        <translation>Известные сети</translation>
    </message>
    <message>
        <source>Mobile hotspot</source>
        <translation>Мобильный хот-спот</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi provisioning</source>
        <translation>Подготовка Wi-Fi</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Choose which folders appear on Start</source>
        <translation>Выбор папок в меню «Пуск»</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Glance</source>
        <translation>Краткий обзор</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Экран блокировки</translation>
    </message>
    <message>
        <source>Navigation bar</source>
        <translation>Панель навигации</translation>
    </message>
    <message>
        <source>Personalization (category)</source>
        <translation>Персонализация (категория)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation>Панель задач</translation>
    </message>
    <message>
        <source>Touch Keyboard</source>
        <translation>Сенсорная клавиатура</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Темы</translation>
    </message>
    <message>
        <source>Your phone (Opens Your Phone app)</source>
        <translation>Ваш телефон (открывает приложение «Ваш телефон»)</translation>
    </message>
    <message>
        <source>Device Usage</source>
        <translation>Использование устройства</translation>
    </message>
    <message>
        <source>Accessory apps</source>
        <translation>Сопутствующие приложения</translation>
    </message>
    <message>
        <source>Account info</source>
        <translation>Сведения учётной записи</translation>
    </message>
    <message>
        <source>Activity history</source>
        <translation>Журнал действий</translation>
    </message>
    <message>
        <source>Advertising ID</source>
        <translation>Рекламный идентификатор</translation>
    </message>
    <message>
        <source>App diagnostics</source>
        <translation>Диагностика приложений</translation>
    </message>
    <message>
        <source>Automatic file downloads</source>
        <translation>Автоматическая загрузка файлов</translation>
    </message>
    <message>
        <source>Background Apps</source>
        <translation>Фоновые приложения</translation>
    </message>
    <message>
        <source>Background Spatial Perception</source>
        <translation>Фоновое восприятие среды</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Call history</source>
        <translation>Журнал вызовов</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message>
        <source>Downloads folder</source>
        <translation>Папка загрузок</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Eye tracker</source>
        <translation>Отслеживание взгляда</translation>
    </message>
    <message>
        <source>Feedback &amp;&amp; diagnostics</source>
        <translation>Отзывы и диагностика</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Inking &amp;&amp; typing</source>
        <translation>Рукописный ввод и ввод текста</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>Music Library</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>Other devices</source>
        <translation>Другие устройства</translation>
    </message>
    <message>
        <source>Phone calls</source>
        <translation>Телефонные звонки</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Privacy speech</source>
        <translation>Речь</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Voice activation</source>
        <translation>Голосовая активация</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search more details</source>
        <translation>Поиск: подробнее</translation>
    </message>
    <message>
        <source>Search Permissions</source>
        <translation>Разрешения поиска</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Учётные записи</translation>
    </message>
    <message>
        <source>Session cleanup</source>
        <translation>Очистка сеанса</translation>
    </message>
    <message>
        <source>Team Conferencing</source>
        <translation>Конференции</translation>
    </message>
    <message>
        <source>Team device management</source>
        <translation>Управление устройством</translation>
    </message>
    <message>
        <source>Welcome screen</source>
        <translation>Экран приветствия</translation>
    </message>
    <message>
        <source>Advanced display settings</source>
        <translation>Экран: дополнительно</translation>
    </message>
    <message>
        <source>App volume and device preferences</source>
        <translation>Громкость приложений</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Экономия заряда</translation>
    </message>
    <message>
        <source>Battery Saver settings</source>
        <translation>Параметры экономии заряда</translation>
    </message>
    <message>
        <source>Battery use</source>
        <translation>Использование батареи</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Буфер обмена</translation>
    </message>
    <message>
        <source>Default Save Locations</source>
        <translation>Места сохранения</translation>
    </message>
    <message>
        <source>Duplicating my display</source>
        <translation>Дублирование дисплея</translation>
    </message>
    <message>
        <source>Screen rotation</source>
        <translation>Поворот экрана</translation>
    </message>
    <message>
        <source>During these hours</source>
        <translation>В эти часы</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>Focus assist</source>
        <translation>Фокусировка внимания</translation>
    </message>
    <message>
        <source>Graphics Settings</source>
        <translation>Настройки графики</translation>
    </message>
    <message>
        <source>Graphics Default Settings</source>
        <translation>Графика по умолчанию</translation>
    </message>
    <message>
        <source>Multitasking</source>
        <translation>Многозадачность</translation>
    </message>
    <message>
        <source>Night light settings</source>
        <translation>Параметры ночного света</translation>
    </message>
    <message>
        <source>Projecting to this PC</source>
        <translation>Проецирование на этот ПК</translation>
    </message>
    <message>
        <source>Shared experiences</source>
        <translation>Общие возможности</translation>
    </message>
    <message>
        <source>Tablet mode</source>
        <translation>Режим планшета</translation>
    </message>
    <message>
        <source>Notifications &amp;&amp; actions</source>
        <translation>Уведомления и действия</translation>
    </message>
    <message>
        <source>Remote Desktop</source>
        <translation>Удалённый рабочий стол</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Power &amp;&amp; sleep</source>
        <translation>Питание и спящий режим</translation>
    </message>
    <message>
        <source>Sound devices</source>
        <translation>Звуковые устройства</translation>
    </message>
    <message>
        <source>Storage Sense</source>
        <translation>Контроль памяти</translation>
    </message>
    <message>
        <source>Storage recommendations</source>
        <translation>Рекомендации по хранилищу</translation>
    </message>
    <message>
        <source>Disks &amp;&amp; volumes</source>
        <translation>Диски &amp;&amp; тома</translation>
    </message>
    <message>
        <source>Date &amp;&amp; time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Japan IME settings</source>
        <translation>Параметры японского IME</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Pinyin IME settings</source>
        <translation>Параметры IME пиньинь</translation>
    </message>
    <message>
        <source>Wubi IME settings</source>
        <translation>Параметры IME убичжисин</translation>
    </message>
    <message>
        <source>Add display language</source>
        <translation>Добавить язык интерфейса</translation>
    </message>
    <message>
        <source>Language options</source>
        <translation>Параметры языка</translation>
    </message>
    <message>
        <source>Set display language</source>
        <translation>Выбрать язык интерфейса</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Активация</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервное копирование</translation>
    </message>
    <message>
        <source>Delivery Optimization</source>
        <translation>Оптимизация доставки</translation>
    </message>
    <message>
        <source>Find My Device</source>
        <translation>Поиск устройства</translation>
    </message>
    <message>
        <source>For developers</source>
        <translation>Для разработчиков</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Launch Security Key Enrollment</source>
        <translation>Регистрация ключа безопасности</translation>
    </message>
    <message>
        <source>Windows Security</source>
        <translation>Безопасность Windows</translation>
    </message>
    <message>
        <source>Windows Insider Program</source>
        <translation>Программа Windows Insider</translation>
    </message>
    <message>
        <source>Windows Update-Active hours</source>
        <translation>Центр обновления Windows - период активности</translation>
    </message>
    <message>
        <source>Windows Update-Advanced options</source>
        <translation>Центр обновления Windows - дополнительные параметры</translation>
    </message>
    <message>
        <source>Windows Update-Optional updates</source>
        <translation>Центр обновления Windows - необязательные обновления</translation>
    </message>
    <message>
        <source>Windows Update-Restart options</source>
        <translation>Центр обновления Windows - параметры перезапуска</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Устранение неполадок</translation>
    </message>
    <message>
        <source>Windows Update-Seeker on demand</source>
        <translation>Центр обновления Windows - поиск по запросу</translation>
    </message>
    <message>
        <source>Windows Update-View update history</source>
        <translation>Центр обновления Windows - журнал обновлений</translation>
    </message>
    <message>
        <source>Workplace provisioning</source>
        <translation>Подготовка рабочего места</translation>
    </message>
    <message>
        <source>Repair token</source>
        <translation>Маркер восстановления</translation>
    </message>
    <message>
        <source>Provisioning</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>Windows Anywhere</source>
        <translation>Windows в любом месте</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Все команды</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Control Center</source>
        <translation>Центр управления</translation>
    </message>
    <message>
        <source>Cortana</source>
        <translation>Голосовой помощник Cortana</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Ease of access</source>
        <translation>Специальные возможности</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Главная страница</translation>
    </message>
    <message>
        <source>Mixed reality</source>
        <translation>Смешанная реальность</translation>
    </message>
    <message>
        <source>Network and internet</source>
        <translation>Сеть и Интернет</translation>
    </message>
    <message>
        <source>Personalization</source>
        <translation>Персонализация</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Конфиденциальность</translation>
    </message>
    <message>
        <source>Surface Hub</source>
        <translation>Surface Hub</translation>
    </message>
    <message>
        <source>Time and language</source>
        <translation>Время и язык</translation>
    </message>
    <message>
        <source>Update and security</source>
        <translation>Обновление и безопасность</translation>
    </message>
    <message>
        <source>User accounts</source>
        <translation>Учётные записи пользователей</translation>
    </message>
    <message>
        <source>No such useful command is found!</source>
        <translation>Такая полезная команда не найдена!</translation>
    </message>
    <message>
        <source>Search useful commands</source>
        <translation>Поиск полезных команд</translation>
    </message>
    <message>
        <source>Add Hardware</source>
        <translation>Установка оборудования</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Ядро</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлена</translation>
    </message>
    <message>
        <source>Start pending</source>
        <translation>Запускается</translation>
    </message>
    <message>
        <source>Stop pending</source>
        <translation>Останавливается</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Continue pending</source>
        <translation>Возобновляется</translation>
    </message>
    <message>
        <source>Pause pending</source>
        <translation>Приостанавливается</translation>
    </message>
    <message>
        <source>Legacy</source>
        <translation>Устаревший</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Поддерживается</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Не поддерживается</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Hosting board</source>
        <translation>Основная плата</translation>
    </message>
    <message>
        <source>Hot swappable</source>
        <translation>Горячая замена</translation>
    </message>
    <message>
        <source>Powered on</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Removable</source>
        <translation>Съёмный</translation>
    </message>
    <message>
        <source>Requires daughter board</source>
        <translation>Требуется дочерняя плата</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>BIOS mode</source>
        <translation>Режим BIOS</translation>
    </message>
    <message>
        <source>Secure boot</source>
        <translation>Безопасная загрузка</translation>
    </message>
    <message>
        <source>BIOS version</source>
        <translation>Версия BIOS</translation>
    </message>
    <message>
        <source>BIOS current language</source>
        <translation>Текущий язык BIOS</translation>
    </message>
    <message>
        <source>BIOS status</source>
        <translation>Состояние BIOS</translation>
    </message>
    <message>
        <source>BIOS manufacturer</source>
        <translation>Производитель BIOS</translation>
    </message>
    <message>
        <source>BIOS serial number</source>
        <translation>Серийный номер BIOS</translation>
    </message>
    <message>
        <source>BIOS release date</source>
        <translation>Дата выпуска BIOS</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>DHCP enabled</source>
        <translation>DHCP включён</translation>
    </message>
    <message>
        <source>Service name of the network adapter</source>
        <translation>Имя службы сетевого адаптера</translation>
    </message>
    <message>
        <source>TCP/IP enabled</source>
        <translation>TCP/IP включён</translation>
    </message>
    <message>
        <source>Interface index</source>
        <translation>Индекс интерфейса</translation>
    </message>
    <message>
        <source>DHCP server</source>
        <translation>DHCP-сервер</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>DNS hostname</source>
        <translation>Имя узла DNS</translation>
    </message>
    <message>
        <source>TCP connections</source>
        <translation>Подключения TCP</translation>
    </message>
    <message>
        <source>Database path</source>
        <translation>Путь к базе данных</translation>
    </message>
    <message>
        <source>Disk is not in the drive</source>
        <translation>Диск не вставлен в привод</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>МБ/с</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Доступность</translation>
    </message>
    <message>
        <source>Disk in the drive</source>
        <translation>Диск в приводе</translation>
    </message>
    <message>
        <source>Drive letter</source>
        <translation>Буква диска</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Тип носителя</translation>
    </message>
    <message>
        <source>Firmware revision level</source>
        <translation>Версия микропрограммы</translation>
    </message>
    <message>
        <source>SCSI logical unit number</source>
        <translation>Номер логического устройства SCSI</translation>
    </message>
    <message>
        <source>Transfer rate</source>
        <translation>Скорость передачи</translation>
    </message>
    <message>
        <source>SCSI bus</source>
        <translation>Шина SCSI</translation>
    </message>
    <message>
        <source>SCSI port</source>
        <translation>Порт SCSI</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Раскладка</translation>
    </message>
    <message>
        <source>Average pages per minute</source>
        <translation>Среднее число страниц в минуту</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Driver name</source>
        <translation>Имя драйвера</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Тип данных</translation>
    </message>
    <message>
        <source>Port name</source>
        <translation>Имя порта</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>Состояние принтера</translation>
    </message>
    <message>
        <source>Work offline</source>
        <translation>Работать автономно</translation>
    </message>
    <message>
        <source>Print processor</source>
        <translation>Обработчик печати</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>миллисекунд</translation>
    </message>
    <message>
        <source>Config. manager error code</source>
        <translation>Код ошибки диспетчера конфигурации</translation>
    </message>
    <message>
        <source>User configuration</source>
        <translation>Пользовательская конфигурация</translation>
    </message>
    <message>
        <source>Power management supported</source>
        <translation>Поддержка управления питанием</translation>
    </message>
    <message>
        <source>Status info</source>
        <translation>Сведения о состоянии</translation>
    </message>
    <message>
        <source>Is activated</source>
        <translation>Активирован</translation>
    </message>
    <message>
        <source>Specification version</source>
        <translation>Версия спецификации</translation>
    </message>
    <message>
        <source>Manufacturer version</source>
        <translation>Версия производителя</translation>
    </message>
    <message>
        <source>Is enabled</source>
        <translation>Включён</translation>
    </message>
    <message>
        <source>Failed to remove the program!</source>
        <translation>Не удалось удалить программу!</translation>
    </message>
    <message>
        <source>The uninstaller crashed.</source>
        <translation>Программа удаления аварийно завершилась.</translation>
    </message>
    <message>
        <source>The request for administrator rights was cancelled or refused.</source>
        <translation>Запрос прав администратора отменён или отклонён.</translation>
    </message>
    <message>
        <source>Administrator rights could not be obtained (not authorized, or no authentication agent is running).</source>
        <translation>Не удалось получить права администратора (нет разрешения или не запущен агент аутентификации).</translation>
    </message>
    <message>
        <source>The uninstaller ended with exit code %1.</source>
        <translation>Программа удаления завершилась с кодом %1.</translation>
    </message>
    <message>
        <source>The package manager would remove nothing: the program is not installed.</source>
        <translation>Менеджер пакетов ничего не удалил бы: программа не установлена.</translation>
    </message>
    <message>
        <source>The package manager could not tell what the removal would take:</source>
        <translation>Менеджер пакетов не смог сообщить, что будет удалено:</translation>
    </message>
    <message>
        <source>Uninstalling %1 removes these packages:</source>
        <translation>При удалении %1 будут удалены эти пакеты:</translation>
    </message>
    <message>
        <source>Uninstalling %1 runs this command:</source>
        <translation>Для удаления %1 будет выполнена эта команда:</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>Продолжить?</translation>
    </message>
    <message>
        <source>apt-get was not found.</source>
        <translation>apt-get не найден.</translation>
    </message>
    <message>
        <source>apt-get gave no answer in time.</source>
        <translation>apt-get не ответил вовремя.</translation>
    </message>
    <message>
        <source>apt-get ended with exit code %1.</source>
        <translation>apt-get завершился с кодом %1.</translation>
    </message>
    <message>
        <source>launching the program</source>
        <translation>запуск программы</translation>
    </message>
    <message>
        <source>gets OS information</source>
        <translation>получение сведений об ОС</translation>
    </message>
    <message>
        <source>An error has occurred with detecting OS!</source>
        <translation>Произошла ошибка при определении ОС!</translation>
    </message>
    <message>
        <source>gets CPU information</source>
        <translation>получение сведений о процессоре</translation>
    </message>
    <message>
        <source>An error has occurred with detecting CPU!</source>
        <translation>Произошла ошибка при определении процессора!</translation>
    </message>
    <message>
        <source>gets GPU information</source>
        <translation>получение сведений о видеокарте</translation>
    </message>
    <message>
        <source>An error has occurred with detecting GPU!</source>
        <translation>Произошла ошибка при определении видеокарты!</translation>
    </message>
    <message>
        <source>gets RAM information</source>
        <translation>получение сведений о памяти</translation>
    </message>
    <message>
        <source>An error has occurred with detecting RAM!</source>
        <translation>Произошла ошибка при определении памяти!</translation>
    </message>
    <message>
        <source>gets Storage information</source>
        <translation>получение сведений о накопителях</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Storage!</source>
        <translation>Произошла ошибка при определении накопителей!</translation>
    </message>
    <message>
        <source>gets Optical Devices information</source>
        <translation>получение сведений об оптических приводах</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Optical Devices!</source>
        <translation>Произошла ошибка при определении оптических приводов!</translation>
    </message>
    <message>
        <source>gets Motherboard information</source>
        <translation>получение сведений о материнской плате</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Motherboard!</source>
        <translation>Произошла ошибка при определении материнской платы!</translation>
    </message>
    <message>
        <source>gets Sound Devices information</source>
        <translation>получение сведений о звуковых устройствах</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Sound Devices!</source>
        <translation>Произошла ошибка при определении звуковых устройств!</translation>
    </message>
    <message>
        <source>gets Network information</source>
        <translation>получение сведений о сети</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Network!</source>
        <translation>Произошла ошибка при определении сети!</translation>
    </message>
    <message>
        <source>gets Peripheral information</source>
        <translation>получение сведений о периферии</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Peripheral!</source>
        <translation>Произошла ошибка при определении периферии!</translation>
    </message>
    <message>
        <source>Total partitions</source>
        <translation>Всего разделов</translation>
    </message>
    <message>
        <source>OS:</source>
        <translation>ОС:</translation>
    </message>
    <message>
        <source>CPU:</source>
        <translation>Процессор:</translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation>Память:</translation>
    </message>
    <message>
        <source>GPU:</source>
        <translation>Видеокарта:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Накопители:</translation>
    </message>
    <message>
        <source>Sound devices:</source>
        <translation>Звуковые устройства:</translation>
    </message>
    <message>
        <source>Motherboard:</source>
        <translation>Материнская плата:</translation>
    </message>
    <message>
        <source>Optical Devices:</source>
        <translation>Оптические приводы:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>Peripheral:</source>
        <translation>Периферия:</translation>
    </message>
    <message>
        <source>Services:</source>
        <translation>Службы:</translation>
    </message>
    <message>
        <source>Processes:</source>
        <translation>Процессы:</translation>
    </message>
    <message>
        <source>Applications:</source>
        <translation>Приложения:</translation>
    </message>
    <message>
        <source>Drivers:</source>
        <translation>Драйверы:</translation>
    </message>
    <message>
        <source>Trusted Platform Module</source>
        <translation>Доверенный платформенный модуль</translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Загрузка данных...</translation>
    </message>
    <message>
        <source>build</source>
        <translation>сборка</translation>
    </message>
    <message numerus="yes">
        <source>%n logical processors</source>
        <translation>
            <numerusform>%n логический процессор</numerusform>
            <numerusform>%n логических процессора</numerusform>
            <numerusform>%n логических процессоров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cores</source>
        <translation>
            <numerusform>%n ядро</numerusform>
            <numerusform>%n ядра</numerusform>
            <numerusform>%n ядер</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n threads</source>
        <translation>
            <numerusform>%n поток</numerusform>
            <numerusform>%n потока</numerusform>
            <numerusform>%n потоков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n slots</source>
        <translation>
            <numerusform>%n слот</numerusform>
            <numerusform>%n слота</numerusform>
            <numerusform>%n слотов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drives</source>
        <translation>
            <numerusform>%n диск</numerusform>
            <numerusform>%n диска</numerusform>
            <numerusform>%n дисков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n partitions</source>
        <translation>
            <numerusform>%n раздел</numerusform>
            <numerusform>%n раздела</numerusform>
            <numerusform>%n разделов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n устройство</numerusform>
            <numerusform>%n устройства</numerusform>
            <numerusform>%n устройств</numerusform>
        </translation>
    </message>
    <message>
        <source>BIOS version:</source>
        <translation>Версия BIOS:</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Не установлено</translation>
    </message>
    <message numerus="yes">
        <source>%n adapters</source>
        <translation>
            <numerusform>%n адаптер</numerusform>
            <numerusform>%n адаптера</numerusform>
            <numerusform>%n адаптеров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n элемент</numerusform>
            <numerusform>%n элемента</numerusform>
            <numerusform>%n элементов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n служба</numerusform>
            <numerusform>%n службы</numerusform>
            <numerusform>%n служб</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n processes</source>
        <translation>
            <numerusform>%n процесс</numerusform>
            <numerusform>%n процесса</numerusform>
            <numerusform>%n процессов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n applications</source>
        <translation>
            <numerusform>%n приложение</numerusform>
            <numerusform>%n приложения</numerusform>
            <numerusform>%n приложений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drivers</source>
        <translation>
            <numerusform>%n драйвер</numerusform>
            <numerusform>%n драйвера</numerusform>
            <numerusform>%n драйверов</numerusform>
        </translation>
    </message>
    <message>
        <source>An error has occurred with detecting Programs!</source>
        <translation>Произошла ошибка при определении программ!</translation>
    </message>
    <message>
        <source>gets Services information</source>
        <translation>получение сведений о службах</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Services!</source>
        <translation>Произошла ошибка при определении служб!</translation>
    </message>
    <message>
        <source>gets Processes information</source>
        <translation>получение сведений о процессах</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Processes!</source>
        <translation>Произошла ошибка при определении процессов!</translation>
    </message>
    <message>
        <source>gets Drivers information</source>
        <translation>получение сведений о драйверах</translation>
    </message>
    <message>
        <source>An error has occurred with Drivers detection!</source>
        <translation>Произошла ошибка при определении драйверов!</translation>
    </message>
    <message>
        <source>gets Startup information</source>
        <translation>получение сведений об автозагрузке</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Startup data!</source>
        <translation>Произошла ошибка при определении автозагрузки!</translation>
    </message>
    <message>
        <source>gets TPM information</source>
        <translation>получение сведений о TPM</translation>
    </message>
    <message>
        <source>An error has occurred with TPM detection!</source>
        <translation>Произошла ошибка при определении TPM!</translation>
    </message>
    <message>
        <source>gets Programs information</source>
        <translation>получение сведений о программах</translation>
    </message>
    <message>
        <source>Failed to detect drivers configuration!</source>
        <translation>Не удалось определить конфигурацию драйверов!</translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>License file was not found!</source>
        <translation>Файл лицензии не найден!</translation>
    </message>
    <message>
        <source>log button clicked</source>
        <translation>нажата кнопка «Журнал»</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>No smart item is selected to view the information! Please select the smart item and try again.</source>
        <translation>Не выбран атрибут SMART для просмотра сведений! Выберите атрибут и повторите попытку.</translation>
    </message>
    <message>
        <source>Failed to remove the startup entry!</source>
        <translation>Не удалось удалить элемент автозагрузки!</translation>
    </message>
    <message>
        <source>No program is selected to delete! Please select the program and try again.</source>
        <translation>Не выбрана программа для удаления! Выберите программу и повторите попытку.</translation>
    </message>
    <message>
        <source>Please wait until the current program is finished uninstalling or being changed!</source>
        <translation>Подождите, пока завершится удаление или изменение текущей программы!</translation>
    </message>
    <message>
        <source>An error occurred while uninstalling</source>
        <translation>Ошибка при удалении программы</translation>
    </message>
    <message>
        <source>It may have already been uninstalled.</source>
        <translation>Возможно, она уже удалена.</translation>
    </message>
    <message>
        <source>Do you want to remove</source>
        <translation>Убрать программу</translation>
    </message>
    <message>
        <source>from the list?</source>
        <translation>из списка?</translation>
    </message>
    <message>
        <source>Failed to remove the program from the list!</source>
        <translation>Не удалось убрать программу из списка!</translation>
    </message>
    <message>
        <source>Do you want to log out now?</source>
        <translation>Выйти из системы сейчас?</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Feedback type</source>
        <translation>Тип отзыва</translation>
    </message>
    <message>
        <source>Rate this application</source>
        <translation>Оцените приложение</translation>
    </message>
    <message>
        <source>Tell us more</source>
        <translation>Расскажите подробнее</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Вложение</translation>
    </message>
    <message>
        <source>max. 20.0 MB</source>
        <translation>не более 20,0 МБ</translation>
    </message>
    <message>
        <source>Problem with the application</source>
        <translation>Проблема с приложением</translation>
    </message>
    <message>
        <source>Feature request or suggestion</source>
        <translation>Пожелание или предложение</translation>
    </message>
    <message>
        <source>Just vote for the application</source>
        <translation>Просто оценить приложение</translation>
    </message>
    <message>
        <source>Provide the details about your issue</source>
        <translation>Опишите проблему подробно</translation>
    </message>
    <message>
        <source>Include my email</source>
        <translation>Указать мой адрес электронной почты</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваш адрес электронной почты</translation>
    </message>
    <message>
        <source>Application name:</source>
        <translation>Название приложения:</translation>
    </message>
    <message>
        <source>Application build:</source>
        <translation>Сборка приложения:</translation>
    </message>
    <message>
        <source>Application channel:</source>
        <translation>Канал приложения:</translation>
    </message>
    <message>
        <source>Application architecture:</source>
        <translation>Архитектура приложения:</translation>
    </message>
    <message>
        <source>Creation date:</source>
        <translation>Дата создания:</translation>
    </message>
    <message>
        <source>Application rate:</source>
        <translation>Оценка приложения:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Электронная почта:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Вложения:</translation>
    </message>
    <message>
        <source>Feedback field is empty!</source>
        <translation>Поле отзыва не заполнено!</translation>
    </message>
    <message>
        <source>You forgot to rate this application!</source>
        <translation>Вы забыли оценить приложение!</translation>
    </message>
    <message>
        <source>Email field is empty!</source>
        <translation>Поле адреса электронной почты не заполнено!</translation>
    </message>
    <message>
        <source>Please enter a valid email address!</source>
        <translation>Введите правильный адрес электронной почты!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Нет подключения к сети! Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Thank you for the feedback!</source>
        <translation>Спасибо за отзыв!</translation>
    </message>
    <message>
        <source>feedback was successfully sent</source>
        <translation>отзыв успешно отправлен</translation>
    </message>
    <message>
        <source>No network connection is available at this moment!</source>
        <translation>Сейчас нет подключения к сети!</translation>
    </message>
    <message>
        <source>Failed to send the feedback!</source>
        <translation>Не удалось отправить отзыв!</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>No file is selected</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Выбор файлов</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Crash dumps</source>
        <translation>Аварийные дампы</translation>
    </message>
    <message>
        <source>The size of selected data is too big (max. 20.0 MB)!</source>
        <translation>Выбранные данные слишком велики (не более 20,0 МБ)!</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Выбрано файлов:</translation>
    </message>
    <message>
        <source>files</source>
        <translation>шт.</translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation>Щёлкните, чтобы открыть</translation>
    </message>
    <message>
        <source>Failed to open the file!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>Your file: %1 is not allowed! Please use the following files: %2</source>
        <translation>Файл %1 не допускается! Используйте файлы следующих типов: %2</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Log file was successfully deleted!</source>
        <translation>Файл журнала удалён!</translation>
    </message>
    <message>
        <source>Log file is not exists!</source>
        <translation>Файл журнала не существует!</translation>
    </message>
    <message>
        <source>Log file was successfully saved!</source>
        <translation>Файл журнала сохранён!</translation>
    </message>
    <message>
        <source>Log path:</source>
        <translation>Путь к журналу:</translation>
    </message>
    <message>
        <source>Text Documents</source>
        <translation>Текстовые документы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Log file was successfully sent!</source>
        <translation>Файл журнала отправлен!</translation>
    </message>
    <message>
        <source>You are offline. Go online and try again!</source>
        <translation>Нет подключения к сети. Подключитесь и повторите попытку!</translation>
    </message>
    <message>
        <source>Failed to send the log file!</source>
        <translation>Не удалось отправить файл журнала!</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>Select the volume and press start to proceed</source>
        <translation>Выберите том и нажмите «Пуск», чтобы продолжить</translation>
    </message>
    <message>
        <source>The file name contains control characters; it was not sent.</source>
        <translation>Имя файла содержит управляющие символы; файл не отправлен.</translation>
    </message>
    <message>
        <source>The upload failed: %1</source>
        <translation>Не удалось отправить файл: %1</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Отправка файла отменена.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Не удалось прочитать файл: %1</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Не удалось связаться с сервером.</translation>
    </message>
    <message>
        <source>The server refused the login.</source>
        <translation>Сервер отклонил вход.</translation>
    </message>
    <message>
        <source>The server refused the file (reply %1).</source>
        <translation>Сервер отклонил файл (ответ %1).</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes were sent.</source>
        <translation>Отправлено только %1 из %2 байт.</translation>
    </message>
    <message>
        <source>The server did not confirm the transfer (reply %1).</source>
        <translation>Сервер не подтвердил передачу (ответ %1).</translation>
    </message>
    <message>
        <source>The server holds %1 of the file&apos;s %2 bytes.</source>
        <translation>На сервере %1 из %2 байт файла.</translation>
    </message>
    <message>
        <source>Choose:</source>
        <translation>Выбор:</translation>
    </message>
    <message>
        <source>Repair errors</source>
        <translation>Исправлять ошибки</translation>
    </message>
    <message>
        <source>The check found no errors.</source>
        <translation>Проверка не нашла ошибок.</translation>
    </message>
    <message>
        <source>The check found errors or could not finish. Exit code:</source>
        <translation>Проверка нашла ошибки или не смогла завершиться. Код завершения:</translation>
    </message>
    <message>
        <source>The check did not run: the authorisation was refused or failed.</source>
        <translation>Проверка не запущена: в авторизации отказано или она не удалась.</translation>
    </message>
    <message>
        <source>Press Enter to close this window.</source>
        <translation>Нажмите Enter, чтобы закрыть это окно.</translation>
    </message>
    <message>
        <source>Enter your command here, for example: %1 -n %2, ping to get the help, exit to stop</source>
        <translation>Введите команду, например: %1 -n %2; ping — справка, exit — выход</translation>
    </message>
    <message>
        <source>The command field is empty!</source>
        <translation>Поле команды не заполнено!</translation>
    </message>
    <message>
        <source>Network connection is not available!</source>
        <translation>Нет подключения к сети!</translation>
    </message>
    <message>
        <source>hardware data was successfully sent</source>
        <translation>сведения об оборудовании успешно отправлены</translation>
    </message>
    <message>
        <source>hardware data could not be sent</source>
        <translation>не удалось отправить сведения об оборудовании</translation>
    </message>
    <message>
        <source>INI Files</source>
        <translation>Файлы INI</translation>
    </message>
    <message>
        <source>Word 97-2003 Documents</source>
        <translation>Документы Word 97-2003</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>Файлы XML</translation>
    </message>
    <message>
        <source>PDF Documents</source>
        <translation>Документы PDF</translation>
    </message>
    <message>
        <source>Error has occurred!</source>
        <translation>Произошла ошибка!</translation>
    </message>
    <message>
        <source>file could not be saved!</source>
        <translation>не удалось сохранить!</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>file was successfully saved!</source>
        <translation>успешно сохранён!</translation>
    </message>
    <message>
        <source>Printer is offline or not installed!</source>
        <translation>Принтер не подключён или не установлен!</translation>
    </message>
    <message>
        <source>Some error has occurred!</source>
        <translation>Возникла непредвиденная ошибка!</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Все данные</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>build:</source>
        <translation>— сборка</translation>
    </message>
    <message>
        <source>is available, would you like to download it?</source>
        <translation>доступна. Загрузить её?</translation>
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
        <source>is up to date</source>
        <translation>не требует обновления</translation>
    </message>
    <message>
        <source>Updates are disabled. Do you want to enable it?</source>
        <translation>Обновления отключены. Включить их?</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Changelog:</source>
        <translation>Список изменений:</translation>
    </message>
    <message>
        <source>changelog has been updated</source>
        <translation>список изменений обновлён</translation>
    </message>
    <message>
        <source>changelog could not be saved</source>
        <translation>не удалось сохранить список изменений</translation>
    </message>
    <message>
        <source>Settings could not be saved!</source>
        <translation>Не удалось сохранить настройки!</translation>
    </message>
    <message>
        <source>Changes apply until the program is closed.</source>
        <translation>Изменения действуют до закрытия программы.</translation>
    </message>
    <message>
        <source>setting %1 could not be saved</source>
        <translation>не удалось сохранить параметр %1</translation>
    </message>
    <message>
        <source>Can&apos;t get changelog information.</source>
        <translation>Не удалось получить список изменений.</translation>
    </message>
    <message>
        <source>Make sure you have network connection.</source>
        <translation>Проверьте подключение к сети.</translation>
    </message>
    <message>
        <source>Update localization error!</source>
        <translation>Не удалось обновить список изменений на выбранном языке!</translation>
    </message>
    <message>
        <source>Do you really want to delete the changelog? This action cannot be undone.</source>
        <translation>Удалить список изменений? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Changelog was successfully cleared.</source>
        <translation>Список изменений очищен.</translation>
    </message>
    <message>
        <source>Insider notification</source>
        <translation>Уведомление для инсайдеров</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>New insider build</source>
        <translation>Новая инсайдерская сборка</translation>
    </message>
    <message>
        <source>is available! Do you want to install it?</source>
        <translation>доступна! Установить её?</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>If you click install you will be automatically set to Insider updates channel</source>
        <translation>При установке канал обновлений автоматически сменится на «Инсайдер»</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>байт/с</translation>
    </message>
    <message>
        <source>The setup address is not a secure (https) address.</source>
        <translation>Адрес установщика не является защищённым (https).</translation>
    </message>
    <message>
        <source>The setup file cannot be written:</source>
        <translation>Не удаётся записать файл установщика:</translation>
    </message>
    <message>
        <source>The server did not send the size of the setup, so the download cannot be verified.</source>
        <translation>Сервер не сообщил размер установщика, поэтому проверить загрузку невозможно.</translation>
    </message>
    <message>
        <source>The download ended before the whole setup arrived.</source>
        <translation>Загрузка прервалась до получения всего установщика.</translation>
    </message>
    <message>
        <source>UpdateTitle</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Прошло:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Downloading:</source>
        <translation>Загрузка:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Загружено:</translation>
    </message>
    <message>
        <source>Downloaded successfully!</source>
        <translation>Загрузка завершена!</translation>
    </message>
    <message>
        <source>update was successfully installed!</source>
        <translation>обновление успешно установлено!</translation>
    </message>
    <message>
        <source>File was not found! Do you want to restart update now?</source>
        <translation>Файл не найден! Перезапустить обновление?</translation>
    </message>
    <message>
        <source>Do you want to cancel update?</source>
        <translation>Отменить обновление?</translation>
    </message>
    <message>
        <source>cancelling...</source>
        <translation>Отмена...</translation>
    </message>
    <message>
        <source>Update process has failed!</source>
        <translation>Не удалось выполнить обновление!</translation>
    </message>
    <message>
        <source>Status code</source>
        <translation>Код состояния</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Код ошибки</translation>
    </message>
    <message>
        <source>Do you want to restart update now?</source>
        <translation>Перезапустить обновление?</translation>
    </message>
    <message>
        <source>Failed to delete the update file!</source>
        <translation>Не удалось удалить файл обновления!</translation>
    </message>
    <message>
        <source>Failed to open the download directory!</source>
        <translation>Не удалось открыть папку загрузки!</translation>
    </message>
    <message>
        <source>Failed to open the install directory!</source>
        <translation>Не удалось открыть папку установки!</translation>
    </message>
    <message>
        <source>Password must be between 6 and 40 characters!</source>
        <translation>Пароль должен содержать от 6 до 40 символов!</translation>
    </message>
    <message>
        <source>Your password doesn&apos;t match!</source>
        <translation>Пароли не совпадают!</translation>
    </message>
    <message>
        <source>Captcha characters doesn&apos;t match!</source>
        <translation>Символы с картинки введены неверно!</translation>
    </message>
    <message>
        <source>Loading captcha...</source>
        <translation>Загрузка картинки...</translation>
    </message>
    <message>
        <source>Account details</source>
        <translation>Сведения об учётной записи</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>Идентификатор:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Группа:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Failed to log out! Please check your network connection and try again.</source>
        <translation>Не удалось выйти! Проверьте подключение к сети и повторите попытку.</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Введите адрес электронной почты</translation>
    </message>
    <message>
        <source>Enter the verification code from your email</source>
        <translation>Введите код подтверждения из письма</translation>
    </message>
    <message>
        <source>Enter your new password</source>
        <translation>Введите новый пароль</translation>
    </message>
    <message>
        <source>Repeat your password</source>
        <translation>Повторите пароль</translation>
    </message>
    <message>
        <source>Enter displayed characters</source>
        <translation>Введите символы с картинки</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Показать символы</translation>
    </message>
    <message>
        <source>Click to reload the captcha</source>
        <translation>Щёлкните, чтобы обновить картинку</translation>
    </message>
    <message>
        <source>Recover now</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Captcha error code:</source>
        <translation>Код ошибки проверки картинки:</translation>
    </message>
    <message>
        <source>You can&apos;t use all uppercase characters!</source>
        <translation>Нельзя использовать только заглавные буквы!</translation>
    </message>
    <message>
        <source>No such user account has been found!</source>
        <translation>Такая учётная запись не найдена!</translation>
    </message>
    <message>
        <source>Email validation error! Code:</source>
        <translation>Ошибка проверки адреса электронной почты! Код:</translation>
    </message>
    <message>
        <source>Email validation failed! Error code:</source>
        <translation>Не удалось проверить адрес электронной почты! Код ошибки:</translation>
    </message>
    <message>
        <source>Your verification code is incorrect and not accepted!
Please enter the valid verification code from your email.</source>
        <translation>Неверный код подтверждения!
Введите правильный код из письма.</translation>
    </message>
    <message>
        <source>Please fill in all fields to recover your account!</source>
        <translation>Заполните все поля, чтобы восстановить учётную запись!</translation>
    </message>
    <message>
        <source>Password encryption error code:</source>
        <translation>Код ошибки шифрования пароля:</translation>
    </message>
    <message>
        <source>Your password has been successfully changed.</source>
        <translation>Пароль успешно изменён.</translation>
    </message>
    <message>
        <source>The password of your account could not be changed.</source>
        <translation>Не удалось изменить пароль учётной записи.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Введите имя</translation>
    </message>
    <message>
        <source>Enter your username</source>
        <translation>Введите имя пользователя</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Мужской</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Женский</translation>
    </message>
    <message>
        <source>terms</source>
        <translation>(прочитать)</translation>
    </message>
    <message>
        <source>Choose your birthday</source>
        <translation>Выберите дату рождения</translation>
    </message>
    <message>
        <source>I accept the</source>
        <translation>Я принимаю условия компании</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Зарегистрироваться</translation>
    </message>
    <message>
        <source>Username is invalid or already taken!</source>
        <translation>Имя пользователя недопустимо или уже занято!</translation>
    </message>
    <message>
        <source>This email is empty/used/invalid or in the blacklist!</source>
        <translation>Адрес электронной почты не указан, уже используется, неверен или заблокирован!</translation>
    </message>
    <message>
        <source>You have been successfully registered! Sign in to use all features.</source>
        <translation>Регистрация прошла успешно! Войдите, чтобы пользоваться всеми возможностями.</translation>
    </message>
    <message>
        <source>Registration failed! Error code:</source>
        <translation>Не удалось зарегистрироваться! Код ошибки:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Enter your credentials to sign in to the system</source>
        <translation>Введите учётные данные для входа в систему</translation>
    </message>
    <message>
        <source>Username / email / phone number</source>
        <translation>Имя пользователя, почта или телефон</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Запомнить меня</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Зарегистрироваться</translation>
    </message>
    <message>
        <source>Forget your password?</source>
        <translation>Забыли пароль?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Please enter your credentials!</source>
        <translation>Введите учётные данные!</translation>
    </message>
    <message>
        <source>user successfully logged in to the system</source>
        <translation>пользователь успешно вошёл в систему</translation>
    </message>
    <message>
        <source>Could not log in!</source>
        <translation>Не удалось войти!</translation>
    </message>
    <message>
        <source>Check your network connection and try again!</source>
        <translation>Проверьте подключение к сети и повторите попытку!</translation>
    </message>
    <message>
        <source>This account does not exists!</source>
        <translation>Такой учётной записи не существует!</translation>
    </message>
    <message>
        <source>Please enter the valid credentials.</source>
        <translation>Введите правильные учётные данные.</translation>
    </message>
    <message>
        <source>Account credentials verification has failed!</source>
        <translation>Не удалось проверить учётные данные!</translation>
    </message>
    <message>
        <source>Please enter the valid credentials for your account.</source>
        <translation>Введите правильные учётные данные своей учётной записи.</translation>
    </message>
    <message>
        <source>You can&apos;t take that name!</source>
        <translation>Это имя использовать нельзя!</translation>
    </message>
    <message>
        <source>You can&apos;t take that username!</source>
        <translation>Это имя пользователя использовать нельзя!</translation>
    </message>
    <message>
        <source>Please fill in all fields to create your account!</source>
        <translation>Заполните все поля, чтобы создать учётную запись!</translation>
    </message>
    <message>
        <source>Length of fullname/username is too long!</source>
        <translation>Слишком длинное имя или имя пользователя!</translation>
    </message>
    <message>
        <source>You can&apos;t select current or future date! Please enter a valid birthday date.</source>
        <translation>Нельзя выбрать сегодняшнюю или будущую дату! Укажите правильную дату рождения.</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Условия</translation>
    </message>
    <message>
        <source>You must accept the terms!</source>
        <translation>Необходимо принять условия!</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Run CMD as administrator</source>
        <translation>Командная строка от имени администратора</translation>
    </message>
    <message>
        <source>The default settings has been successfully applied!</source>
        <translation>Настройки по умолчанию применены!</translation>
    </message>
    <message>
        <source>language has been successfully changed</source>
        <translation>язык успешно изменён</translation>
    </message>
    <message>
        <source>The program could not be set to run at login.</source>
        <translation>Не удалось включить запуск программы при входе в систему.</translation>
    </message>
    <message>
        <source>The program could not be removed from the programs run at login.</source>
        <translation>Не удалось отключить запуск программы при входе в систему.</translation>
    </message>
    <message>
        <source>The update description could not be read.</source>
        <translation>Не удалось прочитать описание обновления.</translation>
    </message>
    <message>
        <source>this desktop has no notification area</source>
        <translation>в этой среде рабочего стола нет области уведомлений</translation>
    </message>
    <message>
        <source>You must restart the program to apply the selected font.</source>
        <translation>Чтобы применить выбранный шрифт, перезапустите программу.</translation>
    </message>
    <message>
        <source>Do you want to restart now?</source>
        <translation>Перезапустить сейчас?</translation>
    </message>
    <message>
        <source>You must restart the program to set the default font.</source>
        <translation>Чтобы вернуть шрифт по умолчанию, перезапустите программу.</translation>
    </message>
    <message>
        <source>Run at login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>running in a tray</source>
        <translation>работает в трее</translation>
    </message>
    <message>
        <source>Download path</source>
        <translation>Путь загрузки</translation>
    </message>
    <message numerus="yes">
        <source>The server did not respond for %n seconds.</source>
        <translation>
            <numerusform>Сервер не отвечал %n секунду.</numerusform>
            <numerusform>Сервер не отвечал %n секунды.</numerusform>
            <numerusform>Сервер не отвечал %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Сервер отклонил соединение.</translation>
    </message>
    <message numerus="yes">
        <source>The upload did not end within %n seconds.</source>
        <translation>
            <numerusform>Отправка файла не завершилась за %n секунду.</numerusform>
            <numerusform>Отправка файла не завершилась за %n секунды.</numerusform>
            <numerusform>Отправка файла не завершилась за %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Сервер закрыл соединение.</translation>
    </message>
    <message>
        <source>The server did not confirm the file&apos;s size (reply %1).</source>
        <translation>Сервер не подтвердил размер файла (ответ %1).</translation>
    </message>
</context>
</TS>
