<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>QObject</name>
    <message>
        <source>The server did not complete its reply within %1 seconds.</source>
        <translation>Сервер не завершив відповідь за %1 с.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is larger than %1 and was refused.</source>
        <translation>Відповідь сервера більша за %1 і була відхилена.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is not a picture.</source>
        <translation>Відповідь сервера не є зображенням.</translation>
    </message>
    <message>
        <source>The server&apos;s reply headers are larger than %1 and were refused.</source>
        <translation>Заголовки відповіді сервера більші за %1 і були відхилені.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is in an encoding that was not asked for and was refused.</source>
        <translation>Відповідь сервера надійшла в кодуванні, яке не запитувалося, і була відхилена.</translation>
    </message>
    <message>
        <source>The server&apos;s reply ended after %1 of the %2 bytes it announced.</source>
        <translation>Відповідь сервера обірвалася після %1 з оголошених %2 байтів.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is not a captcha.</source>
        <translation>Відповідь сервера не є капчею.</translation>
    </message>
    <message>
        <source>The picture from the server is too large (%1 x %2 pixels).</source>
        <translation>Зображення із сервера завелике (%1 x %2 пікселів).</translation>
    </message>
    <message>
        <source>Failed to copy the font</source>
        <translation>не вдалося скопіювати шрифт</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>No localization file was found!</source>
        <translation>Файл локалізації не знайдено!</translation>
    </message>
    <message>
        <source>Reinstall the application to fix this problem.</source>
        <translation>Перевстановіть застосунок, щоб усунути цю проблему.</translation>
    </message>
    <message>
        <source>The program could not be started: it is not a program this system can run, or the system is out of resources.</source>
        <translation>Не вдалося запустити програму: це не програма, яку може виконати ця система, або системі бракує ресурсів.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Вказаний файл не знайдено.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Вказаний шлях не знайдено.</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>Операційна система заборонила доступ до вказаного файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостатньо пам&apos;яті для завершення операції.</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32 .exe or error in .exe image).</source>
        <translation>Неприпустимий виконуваний файл (не Win32 .exe або помилка в образі .exe).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Сталося порушення спільного доступу.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>Зіставлення імені файлу неповне або неприпустиме.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>Транзакцію DDE не вдалося завершити: минув час очікування запиту.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Транзакція DDE завершилася помилкою.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>Транзакцію DDE не вдалося завершити: оброблялися інші транзакції DDE.</translation>
    </message>
    <message>
        <source>No application is set to open this type of file or folder, or the desktop&apos;s opener (xdg-open) is not installed.</source>
        <translation>Не задано застосунок, що відкриває файли або теки цього типу, або не встановлено програму відкриття робочого столу (xdg-open).</translation>
    </message>
    <message>
        <source>The specified DLL was not found.</source>
        <translation>Вказану бібліотеку DLL не знайдено.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Unexpected error has occurred! Do you want to submit the feedback?</source>
        <translation>Сталася неочікувана помилка! Бажаєте надіслати відгук?</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>Мережеве підключення не знайдено!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Перевірку оновлень пропущено!</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не вдалося перевірити наявність оновлень!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код помилки:</translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation>Не вдалося відновити службу WMI!</translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation>Не вдалося запустити службу WMI!</translation>
    </message>
    <message>
        <source>Failed to remove the old build!</source>
        <translation>Не вдалося видалити стару збірку!</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Збірка</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Do you want to open another instance?</source>
        <translation>Бажаєте відкрити ще один екземпляр програми?</translation>
    </message>
    <message>
        <source>Collecting information:</source>
        <translation>Збирання інформації:</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Розробка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Інсайдер</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Реліз</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>невідомо</translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation>остання перевірка оновлень</translation>
    </message>
    <message>
        <source>Unable to change theme!</source>
        <translation>Не вдалося змінити тему!</translation>
    </message>
    <message>
        <source>Unable to set theme. File is not found!</source>
        <translation>Не вдалося встановити тему. Файл не знайдено!</translation>
    </message>
    <message>
        <source>theme change was not applied</source>
        <translation>зміну теми не застосовано</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інше</translation>
    </message>
    <message>
        <source>CPU Enabled</source>
        <translation>Процесор увімкнено</translation>
    </message>
    <message>
        <source>CPU Disabled by User via BIOS Setup</source>
        <translation>Процесор вимкнено користувачем у налаштуваннях BIOS</translation>
    </message>
    <message>
        <source>CPU Disabled By BIOS (POST Error)</source>
        <translation>Процесор вимкнено BIOS (помилка POST)</translation>
    </message>
    <message>
        <source>CPU is Idle</source>
        <translation>Процесор простоює</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Зарезервовано</translation>
    </message>
    <message>
        <source>Running/Full Power</source>
        <translation>Працює/Повна потужність</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>In Test</source>
        <translation>Тестування</translation>
    </message>
    <message>
        <source>Not Applicable</source>
        <translation>Не застосовується</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Живлення вимкнено</translation>
    </message>
    <message>
        <source>Off Line</source>
        <translation>Не в мережі</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Не використовується</translation>
    </message>
    <message>
        <source>Degraded</source>
        <translation>Знижена продуктивність</translation>
    </message>
    <message>
        <source>Not Installed</source>
        <translation>Не встановлено</translation>
    </message>
    <message>
        <source>Install Error</source>
        <translation>Помилка встановлення</translation>
    </message>
    <message>
        <source>Power Save - Unknown</source>
        <translation>Енергозбереження - невідомо</translation>
    </message>
    <message>
        <source>Power Save - Low Power Mode</source>
        <translation>Енергозбереження - режим низького споживання</translation>
    </message>
    <message>
        <source>Power Save - Standby</source>
        <translation>Енергозбереження - очікування</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Цикл живлення</translation>
    </message>
    <message>
        <source>Power Save - Warning</source>
        <translation>Енергозбереження - попередження</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Призупинено</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Не готово</translation>
    </message>
    <message>
        <source>Not Configured</source>
        <translation>Не налаштовано</translation>
    </message>
    <message>
        <source>Quiesced</source>
        <translation>У стані спокою</translation>
    </message>
    <message>
        <source>This device is working properly</source>
        <translation>Цей пристрій працює нормально</translation>
    </message>
    <message>
        <source>This device is not configured correctly</source>
        <translation>Цей пристрій налаштовано неправильно</translation>
    </message>
    <message>
        <source>Windows cannot load the driver for this device</source>
        <translation>Windows не вдається завантажити драйвер цього пристрою</translation>
    </message>
    <message>
        <source>The driver for this device might be corrupted, or your system may be running low on memory or other resources</source>
        <translation>Драйвер цього пристрою може бути пошкоджено, або системі бракує пам&apos;яті чи інших ресурсів</translation>
    </message>
    <message>
        <source>This device is not working properly. One of its drivers or your registry might be corrupted</source>
        <translation>Цей пристрій працює неправильно. Один з його драйверів або реєстр може бути пошкоджено</translation>
    </message>
    <message>
        <source>The driver for this device needs a resource that Windows cannot manage</source>
        <translation>Драйверу цього пристрою потрібен ресурс, яким Windows не може керувати</translation>
    </message>
    <message>
        <source>The boot configuration for this device conflicts with other devices</source>
        <translation>Завантажувальна конфігурація цього пристрою конфліктує з іншими пристроями</translation>
    </message>
    <message>
        <source>Cannot filter</source>
        <translation>Неможливо виконати фільтрацію</translation>
    </message>
    <message>
        <source>The driver loader for the device is missing</source>
        <translation>Відсутній завантажувач драйвера пристрою</translation>
    </message>
    <message>
        <source>This device is not working properly because the controlling firmware is reporting the resources for the device incorrectly</source>
        <translation>Цей пристрій працює неправильно, оскільки керувальне мікропрограмне забезпечення неправильно повідомляє про його ресурси</translation>
    </message>
    <message>
        <source>This device cannot start</source>
        <translation>Цей пристрій не може запуститися</translation>
    </message>
    <message>
        <source>This device failed</source>
        <translation>Збій цього пристрою</translation>
    </message>
    <message>
        <source>This device cannot find enough free resources that it can use</source>
        <translation>Цьому пристрою бракує вільних ресурсів</translation>
    </message>
    <message>
        <source>Windows cannot verify this device&apos;s resources</source>
        <translation>Windows не вдається перевірити ресурси цього пристрою</translation>
    </message>
    <message>
        <source>This device cannot work properly until you restart your computer</source>
        <translation>Цей пристрій не працюватиме правильно до перезавантаження комп&apos;ютера</translation>
    </message>
    <message>
        <source>This device is not working properly because there is probably a re-enumeration problem</source>
        <translation>Цей пристрій працює неправильно, ймовірно, через проблему повторного переліку</translation>
    </message>
    <message>
        <source>Windows cannot identify all the resources this device uses</source>
        <translation>Windows не вдається визначити всі ресурси, які використовує цей пристрій</translation>
    </message>
    <message>
        <source>This device is asking for an unknown resource type</source>
        <translation>Цей пристрій запитує ресурс невідомого типу</translation>
    </message>
    <message>
        <source>Reinstall the drivers for this device</source>
        <translation>Перевстановіть драйвери цього пристрою</translation>
    </message>
    <message>
        <source>Failure using the VxD loader</source>
        <translation>Збій під час використання завантажувача VxD</translation>
    </message>
    <message>
        <source>Your registry might be corrupted</source>
        <translation>Можливо, реєстр пошкоджено</translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that does not work, see your hardware documentation. Windows is removing this device</source>
        <translation>Системний збій: спробуйте замінити драйвер цього пристрою. Якщо це не допоможе, зверніться до документації обладнання. Windows видаляє цей пристрій</translation>
    </message>
    <message>
        <source>This device is disabled</source>
        <translation>Цей пристрій вимкнено</translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that doesn&apos;t work, see your hardware documentation</source>
        <translation>Системний збій: спробуйте замінити драйвер цього пристрою. Якщо це не допоможе, зверніться до документації обладнання</translation>
    </message>
    <message>
        <source>This device is not present, is not working properly, or does not have all its drivers installed</source>
        <translation>Цей пристрій відсутній, працює неправильно або для нього встановлено не всі драйвери</translation>
    </message>
    <message>
        <source>Windows is still setting up this device</source>
        <translation>Windows ще налаштовує цей пристрій</translation>
    </message>
    <message>
        <source>This device does not have valid log configuration</source>
        <translation>Цей пристрій не має припустимої конфігурації журналу</translation>
    </message>
    <message>
        <source>The drivers for this device are not installed</source>
        <translation>Драйвери цього пристрою не встановлено</translation>
    </message>
    <message>
        <source>This device is disabled because the firmware of the device did not give it the required resources</source>
        <translation>Цей пристрій вимкнено, оскільки його мікропрограмне забезпечення не надало потрібних ресурсів</translation>
    </message>
    <message>
        <source>This device is using an Interrupt Request (IRQ) resource that another device is using</source>
        <translation>Цей пристрій використовує запит на переривання (IRQ), який зайняв інший пристрій</translation>
    </message>
    <message>
        <source>This device is not working properly because Windows cannot load the drivers required for this device</source>
        <translation>Цей пристрій працює неправильно, оскільки Windows не вдається завантажити потрібні йому драйвери</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Raw Read Error Rate</source>
        <translation>Частота помилок читання</translation>
    </message>
    <message>
        <source>Throughput Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>Spin Up Time</source>
        <translation>Час розкручування</translation>
    </message>
    <message>
        <source>Start/Stop Count</source>
        <translation>Кількість запусків/зупинок</translation>
    </message>
    <message>
        <source>Reallocated Sectors Count</source>
        <translation>Кількість перепризначених секторів</translation>
    </message>
    <message>
        <source>Read Channel Margin</source>
        <translation>Запас каналу читання</translation>
    </message>
    <message>
        <source>Seek Error Rate</source>
        <translation>Частота помилок позиціювання</translation>
    </message>
    <message>
        <source>Seek Time Performance</source>
        <translation>Продуктивність позиціювання</translation>
    </message>
    <message>
        <source>Power-On Hours</source>
        <translation>Години роботи</translation>
    </message>
    <message>
        <source>Spin Retry Count</source>
        <translation>Кількість повторних розкручувань</translation>
    </message>
    <message>
        <source>Recalibration Retries</source>
        <translation>Повтори калібрування</translation>
    </message>
    <message>
        <source>Device Power Cycle Count</source>
        <translation>Кількість циклів увімкнення</translation>
    </message>
    <message>
        <source>Soft Read Error Rate</source>
        <translation>Частота програмних помилок читання</translation>
    </message>
    <message>
        <source>Load/Unload Cycle Count</source>
        <translation>Кількість циклів паркування</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Reallocation Event Count</source>
        <translation>Кількість операцій перепризначення</translation>
    </message>
    <message>
        <source>Current Pending Sector Count</source>
        <translation>Кількість нестабільних секторів</translation>
    </message>
    <message>
        <source>Uncorrectable Sector Count</source>
        <translation>Кількість невиправних секторів</translation>
    </message>
    <message>
        <source>UltraDMA CRC Error Count</source>
        <translation>Кількість помилок CRC UltraDMA</translation>
    </message>
    <message>
        <source>Write Error Rate (Multi Zone Error Rate)</source>
        <translation>Частота помилок запису</translation>
    </message>
    <message>
        <source>Disk Shift</source>
        <translation>Зміщення диска</translation>
    </message>
    <message>
        <source>G-Sense Error Rate</source>
        <translation>Частота помилок від ударів</translation>
    </message>
    <message>
        <source>Loaded Hours</source>
        <translation>Години під навантаженням</translation>
    </message>
    <message>
        <source>Load/Unload Retry Count</source>
        <translation>Кількість повторів паркування</translation>
    </message>
    <message>
        <source>Load Friction</source>
        <translation>Тертя під навантаженням</translation>
    </message>
    <message>
        <source>Load-in Time</source>
        <translation>Час під навантаженням</translation>
    </message>
    <message>
        <source>Torque Amplification Count</source>
        <translation>Кількість посилень крутного моменту</translation>
    </message>
    <message>
        <source>Power-Off Retract Count</source>
        <translation>Кількість аварійних паркувань</translation>
    </message>
    <message>
        <source>GMR Head Amplitude</source>
        <translation>Амплітуда головок GMR</translation>
    </message>
    <message>
        <source>This attribute value depends of read errors, disk surface condition and indicates the rate of hardware read errors that occurred when reading data from a disk surface. Lower values indicate that there is a problem with either disk surface or read/write heads</source>
        <translation>Значення цього атрибута залежить від помилок читання та стану поверхні диска і показує частоту апаратних помилок під час читання даних з поверхні диска. Нижчі значення вказують на проблему з поверхнею диска або головками читання/запису</translation>
    </message>
    <message>
        <source>Overall (general) throughput performance of a hard disk drive. If the value of this attribute is deceasing there is a high probability of troubles with your disk.</source>
        <translation>Загальна продуктивність жорсткого диска. Якщо значення цього атрибута зменшується, висока ймовірність несправностей диска.</translation>
    </message>
    <message>
        <source>Average time of spindle spin up (from zero RPM (Revolutions Per Minute) to fully operational). Active SMART shows the data value of this attribute in milliseconds or seconds.</source>
        <translation>Середній час розкручування шпинделя (від нуля обертів за хвилину до робочої швидкості). Значення цього атрибута показується в мілісекундах або секундах.</translation>
    </message>
    <message>
        <source>This data value of this attribute is a count of hard disk spindle start/stop cycles</source>
        <translation>Значення цього атрибута - кількість циклів запуску/зупинки шпинделя жорсткого диска</translation>
    </message>
    <message>
        <source>Count of reallocated sectors. When the hard drive finds a read/write/verification error, it marks this sector as &quot;reallocated&quot; and transfers data to a special reserved area (spare area). This process is also known as remapping and &quot;reallocated&quot; sectors are called remaps. This is why, on a modern hard disks, you can not see &quot;bad blocks&quot; while testing the surface - all bad blocks are hidden in reallocated sectors. However, the more sectors that are reallocated, the more a sudden decrease (up to 10% and more) can be noticed in the disk read/write speed.</source>
        <translation>Кількість перепризначених секторів. Виявивши помилку читання, запису чи перевірки, жорсткий диск позначає сектор як «перепризначений» і переносить дані в спеціальну резервну область. Цей процес називають перепризначенням, тому на сучасних дисках під час перевірки поверхні не видно «поганих блоків» - усі вони приховані в перепризначених секторах. Проте що більше перепризначених секторів, то помітніше падіння швидкості читання й запису (до 10% і більше).</translation>
    </message>
    <message>
        <source>Margin of a channel while reading data. The function of this attribute is not specified.</source>
        <translation>Запас каналу під час читання даних. Призначення цього атрибута не визначено.</translation>
    </message>
    <message>
        <source>Rate of seek errors of the magnetic heads. If there is a failure in the mechanical positioning system, a servo damage or a thermal widening of the hard disk, seek errors arise. More seek errors indicates a worsening condition of a disk surface and the disk mechanical subsystem.</source>
        <translation>Частота помилок позиціювання магнітних головок. Помилки позиціювання виникають у разі несправності механічної системи, пошкодження сервоміток або теплового розширення диска. Зростання кількості помилок свідчить про погіршення стану поверхні та механіки диска.</translation>
    </message>
    <message>
        <source>Average performance of seek operations of the magnetic heads. If this attribute is decreasing, it is a sign of problems in the hard disk drive mechanical subsystem.</source>
        <translation>Середня продуктивність операцій позиціювання магнітних головок. Зменшення цього атрибута - ознака проблем у механіці жорсткого диска.</translation>
    </message>
    <message>
        <source>Count of hours in power-on state. The data value of this attribute shows total count of hours (or minutes, or seconds, depending on manufacturer) in power-on state. A decrease of this attribute value to the critical level (threshold) indicates a decrease of the MTBF (Mean Time Between Failures). However, in reality, even if the MTBF value falls to zero, it does not mean that the MTBF resource is completely exhausted and the drive will not function normally.</source>
        <translation>Кількість годин у ввімкненому стані. Значення цього атрибута показує загальний час роботи в годинах (або хвилинах, або секундах - залежно від виробника). Зниження значення до критичного рівня (порогу) вказує на зменшення середнього напрацювання на відмову (MTBF). Проте навіть якщо це значення впаде до нуля, це не означає, що ресурс вичерпано і диск перестане нормально працювати.</translation>
    </message>
    <message>
        <source>Count of retry of spin start attempts. This attribute stores a total count of the spin start attempts to reach the fully operational speed (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation>Кількість повторних спроб розкручування. Цей атрибут зберігає загальну кількість спроб розкрутити диск до робочої швидкості (якщо перша спроба була невдалою). Зменшення значення - ознака проблем у механіці жорсткого диска.</translation>
    </message>
    <message>
        <source>This attribute indicates the number of times recalibration was requested (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation>Цей атрибут показує, скільки разів запитувалося повторне калібрування (якщо перша спроба була невдалою). Зменшення значення - ознака проблем у механіці жорсткого диска.</translation>
    </message>
    <message>
        <source>This attribute indicates the count of full hard disk power on/off cycles.</source>
        <translation>Цей атрибут показує кількість повних циклів увімкнення/вимкнення жорсткого диска.</translation>
    </message>
    <message>
        <source>This is the rate of &quot;program&quot; read errors occurring when reading data from a disk surface.</source>
        <translation>Частота «програмних» помилок, що виникають під час читання даних з поверхні диска.</translation>
    </message>
    <message>
        <source>Count of load/unload cycles into Landing Zone position. For more info see the Head Load/Unload Technology description.</source>
        <translation>Кількість циклів переміщення головок у зону паркування та назад. Докладніше див. опис технології паркування головок.</translation>
    </message>
    <message>
        <source>Hard disk drive temperature. The data value of this attribute shows built-in heat sensor registrations (in degrees centigrade).</source>
        <translation>Температура жорсткого диска. Значення цього атрибута - показники вбудованого датчика температури (у градусах Цельсія).</translation>
    </message>
    <message>
        <source>Count of remap operations (transfering data from a bad sector to a special reserved disk area - spare area). The data value of this attribute shows the total number of attempts to transfer data from reallocated sectors to a spare area. Unsuccessful attempts are counted as well as successful.</source>
        <translation>Кількість операцій перепризначення (перенесення даних зі збійного сектора в резервну область диска). Значення цього атрибута - загальна кількість спроб перенесення даних з перепризначених секторів у резервну область, як вдалих, так і невдалих.</translation>
    </message>
    <message>
        <source>Current count of unstable sectors (waiting for remapping). The data value of this attribute indicates the total number of sectors waiting for remapping. Later, when some of these sectors are read successfully, the value is decreased. If errors still occur when reading some sector, the hard drive will try to restore the data, transfer it to the reserved disk area (spare area) and mark this sector as remapped. If this attribute value remains at zero, it indicates that the quality of the corresponding surface area is low.</source>
        <translation>Поточна кількість нестабільних секторів (що очікують перепризначення). Значення атрибута - загальна кількість секторів, що очікують перепризначення. Якщо пізніше такі сектори вдається прочитати, значення зменшується. Якщо помилки читання сектора повторюються, диск спробує відновити дані, перенести їх у резервну область і позначити сектор як перепризначений. Якщо значення цього атрибута залишається на нулі, якість відповідної ділянки поверхні низька.</translation>
    </message>
    <message>
        <source>Quantity of uncorrectable errors. The data value of this attribute indicates the total number of uncorrectable errors when reading/writing a sector. A rise in the value of this attribute indicates that there are evident defects of the disk surface and/or there are problems in the hard disk drive mechanical subsystem.</source>
        <translation>Кількість невиправних помилок. Значення цього атрибута - загальна кількість невиправних помилок під час читання або запису сектора. Зростання значення вказує на явні дефекти поверхні диска та/або проблеми в механіці жорсткого диска.</translation>
    </message>
    <message>
        <source>The total quantity of CRC errors during UltraDMA mode. The data value of this attribute indicates the number of errors found during data transfer in UltraDMA mode by ICRC (Interface CRC).</source>
        <translation>Загальна кількість помилок CRC у режимі UltraDMA. Значення цього атрибута - кількість помилок, виявлених під час передавання даних у режимі UltraDMA за контрольною сумою інтерфейсу (ICRC).</translation>
    </message>
    <message>
        <source>Write data errors rate. This attribute indicates the total number of errors found when writing a sector. The higher the data value, the worse the disk surface condition and/or mechanical subsystem is.</source>
        <translation>Частота помилок запису даних. Цей атрибут показує загальну кількість помилок під час запису сектора. Що вище значення, то гірший стан поверхні диска та/або механіки.</translation>
    </message>
    <message>
        <source>Shift of disks towards spindle. The data value of this attribute indicates how much the disk has shifted. Shift of disks is possible as a result of a strong shock or a fall, or for other reasons.</source>
        <translation>Зміщення дисків відносно шпинделя. Значення цього атрибута показує, наскільки змістився диск. Зміщення можливе внаслідок сильного удару, падіння або з інших причин.</translation>
    </message>
    <message>
        <source>Rate of errors occurring as a result of impact loads. This attribute stores an indication of a shock-sensitive sensor, that is, the total quantity of errors occurring as a result of internal impact loads (dropping drive, wrong installation, etc.).</source>
        <translation>Частота помилок, спричинених ударними навантаженнями. Атрибут зберігає показники датчика ударів, тобто загальну кількість помилок через ударні навантаження (падіння накопичувача, неправильне встановлення тощо).</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by the general operating time. Only time when the actuator was in the operating position is counted.</source>
        <translation>Навантаження на привід магнітних головок за загальний час роботи. Враховується лише час, коли привід був у робочому положенні.</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by numerous recurrences of operations like: reading, recording, positioning of heads, etc. Only the time when heads were in the operating position is counted.</source>
        <translation>Навантаження на привід магнітних головок через багаторазове повторення операцій: читання, запису, позиціювання головок тощо. Враховується лише час, коли головки були в робочому положенні.</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by friction in mechanical parts of the store. Only the time when heads were in the operating position is counted.</source>
        <translation>Навантаження на привід магнітних головок через тертя в механічних частинах накопичувача. Враховується лише час, коли головки були в робочому положенні.</translation>
    </message>
    <message>
        <source>Total time of loading on the magnetic heads actuator. This attribute indicates total time in which the drive was under load (on the assumption that the magnetic heads were in operating mode and out of the parking area).</source>
        <translation>Загальний час навантаження на привід магнітних головок. Атрибут показує загальний час, протягом якого накопичувач був під навантаженням (головки в робочому режимі й поза зоною паркування).</translation>
    </message>
    <message>
        <source>Count of efforts of the rotating moment of a drive.</source>
        <translation>Кількість зусиль крутного моменту приводу.</translation>
    </message>
    <message>
        <source>This attribute shows a count of the number of times the drive was powered down.</source>
        <translation>Цей атрибут показує, скільки разів накопичувач вимикався.</translation>
    </message>
    <message>
        <source>Amplitude of heads trembling (GMR-head) in running mode.</source>
        <translation>Амплітуда тремтіння головок (GMR) у робочому режимі.</translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation>Не вдалося ініціалізувати бібліотеку COM. Код помилки:</translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation>Не вдалося створити об&apos;єкт IWbemLocator. Код помилки:</translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation>Не вдалося підключитися. Код помилки:</translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation>Не вдалося встановити параметри безпеки проксі. Код помилки:</translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation>Помилка запиту. Код помилки:</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ні</translation>
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
        <translation>-сумісний процесор</translation>
    </message>
    <message>
        <source>-volt</source>
        <translation>-вольтовий</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім&apos;я</translation>
    </message>
    <message>
        <source>Number of logical processors</source>
        <translation>Кількість логічних процесорів</translation>
    </message>
    <message>
        <source>Max frequency</source>
        <translation>Максимальна частота</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Роз&apos;єм</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>L2 cache</source>
        <translation>Кеш L2</translation>
    </message>
    <message>
        <source>L3 cache</source>
        <translation>Кеш L3</translation>
    </message>
    <message>
        <source>Architecture</source>
        <translation>Архітектура</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Виробник</translation>
    </message>
    <message>
        <source>Current frequency</source>
        <translation>Поточна частота</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Сімейство</translation>
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
        <translation>Ревізія</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Ідентифікатор пристрою</translation>
    </message>
    <message>
        <source>Current voltage</source>
        <translation>Поточна напруга</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Роль</translation>
    </message>
    <message>
        <source>Processor type</source>
        <translation>Тип процесора</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Навантаження</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Номер деталі</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Поточний стан</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>пікселів</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Пам&apos;ять</translation>
    </message>
    <message>
        <source>Driver version</source>
        <translation>Версія драйвера</translation>
    </message>
    <message>
        <source>Driver install date</source>
        <translation>Дата встановлення драйвера</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Роздільна здатність</translation>
    </message>
    <message>
        <source>Monitor BPP</source>
        <translation>Глибина кольору монітора</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>біт</translation>
    </message>
    <message>
        <source>DAC type</source>
        <translation>Тип ЦАП</translation>
    </message>
    <message>
        <source>Monitor frequency</source>
        <translation>Частота монітора</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Monitor width</source>
        <translation>Ширина монітора</translation>
    </message>
    <message>
        <source>Monitor height</source>
        <translation>Висота монітора</translation>
    </message>
    <message>
        <source>Max refresh rate</source>
        <translation>Максимальна частота оновлення</translation>
    </message>
    <message>
        <source>Min refresh rate</source>
        <translation>Мінімальна частота оновлення</translation>
    </message>
    <message>
        <source>PNP Device ID</source>
        <translation>Ідентифікатор пристрою PNP</translation>
    </message>
    <message>
        <source>Display drivers</source>
        <translation>Драйвери дисплея</translation>
    </message>
    <message>
        <source>Video architecture</source>
        <translation>Відеоархітектура</translation>
    </message>
    <message>
        <source>-EncryptionBit</source>
        <translation>-бітне шифрування</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Ім&apos;я комп&apos;ютера</translation>
    </message>
    <message>
        <source>Partition name</source>
        <translation>Ім&apos;я розділу</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Код продукту</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Системний диск</translation>
    </message>
    <message>
        <source>System directory</source>
        <translation>Системна тека</translation>
    </message>
    <message>
        <source>Number of processes</source>
        <translation>Кількість процесів</translation>
    </message>
    <message>
        <source>Registered user</source>
        <translation>Зареєстрований користувач</translation>
    </message>
    <message>
        <source>Operating system directory</source>
        <translation>Тека операційної системи</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Основна</translation>
    </message>
    <message>
        <source>Last boot up time</source>
        <translation>Час останнього завантаження</translation>
    </message>
    <message>
        <source>Locale</source>
        <translation>Регіональні параметри</translation>
    </message>
    <message>
        <source>Install date</source>
        <translation>Дата встановлення</translation>
    </message>
    <message>
        <source>Boot device</source>
        <translation>Завантажувальний пристрій</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Код країни</translation>
    </message>
    <message>
        <source>Number of users</source>
        <translation>Кількість користувачів</translation>
    </message>
    <message>
        <source>System device</source>
        <translation>Системний пристрій</translation>
    </message>
    <message>
        <source>Max process memory size</source>
        <translation>Максимальний обсяг пам&apos;яті процесу</translation>
    </message>
    <message>
        <source>Encryption level</source>
        <translation>Рівень шифрування</translation>
    </message>
    <message>
        <source>Kernel type</source>
        <translation>Тип ядра</translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation>Невідомий обсяг пам&apos;яті</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Слоти</translation>
    </message>
    <message>
        <source>Total capacity</source>
        <translation>Загальний обсяг</translation>
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
        <translation>Обсяг</translation>
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
        <translation>Розрядність даних</translation>
    </message>
    <message>
        <source>Memory type</source>
        <translation>Тип пам&apos;яті</translation>
    </message>
    <message>
        <source>Represented type of physical memory</source>
        <translation>Тип фізичної пам&apos;яті</translation>
    </message>
    <message>
        <source>Memory location</source>
        <translation>Розташування пам&apos;яті</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Мітка</translation>
    </message>
    <message>
        <source>Bytes Per Sector</source>
        <translation>Байтів на сектор</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байтів</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Версія мікропрограми</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Індекс</translation>
    </message>
    <message>
        <source>Interface Type</source>
        <translation>Тип інтерфейсу</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Розділи</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Block size</source>
        <translation>Розмір блоку</translation>
    </message>
    <message>
        <source>Primary partition</source>
        <translation>Основний розділ</translation>
    </message>
    <message>
        <source>Disk index</source>
        <translation>Індекс диска</translation>
    </message>
    <message>
        <source>Number of blocks</source>
        <translation>Кількість блоків</translation>
    </message>
    <message>
        <source>Starting offset of the partition</source>
        <translation>Початкове зміщення розділу</translation>
    </message>
    <message>
        <source>Bootable</source>
        <translation>Завантажувальний</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Політика конфіденційності</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компанія:</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Збірка:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>EULA:</source>
        <translation>Ліцензія:</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Ліцензійна угода з кінцевим користувачем</translation>
    </message>
    <message>
        <source>Privacy Policy:</source>
        <translation>Політика конфіденційності:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архітектура:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версія:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Обліковий запис:</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Обліковий запис</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Відгук:</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Вебсайт:</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Головна</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>ОС</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Процесор</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>Відеокарта</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>Пам&apos;ять</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Накопичувачі</translation>
    </message>
    <message>
        <source>Optical Devices</source>
        <translation>Приводи</translation>
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
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Peripheral</source>
        <translation>Периферія</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>refresh</source>
        <translation>оновити</translation>
    </message>
    <message>
        <source>Total drives</source>
        <translation>Усього дисків</translation>
    </message>
    <message>
        <source>Collecting OS data ...</source>
        <translation>Збирання даних про ОС ...</translation>
    </message>
    <message>
        <source>No OS data is available. Try to</source>
        <translation>Немає даних про ОС. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting CPU data ...</source>
        <translation>Збирання даних про процесор ...</translation>
    </message>
    <message>
        <source>No CPU data is available. Try to</source>
        <translation>Немає даних про процесор. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting GPU data ...</source>
        <translation>Збирання даних про відеокарту ...</translation>
    </message>
    <message>
        <source>No GPU data is available. Try to</source>
        <translation>Немає даних про відеокарту. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting RAM data ...</source>
        <translation>Збирання даних про пам&apos;ять ...</translation>
    </message>
    <message>
        <source>No RAM data is available. Try to</source>
        <translation>Немає даних про пам&apos;ять. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting Storage data ...</source>
        <translation>Збирання даних про накопичувачі ...</translation>
    </message>
    <message>
        <source>No Storage data is available. Try to</source>
        <translation>Немає даних про накопичувачі. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting Optical Devices data ...</source>
        <translation>Збирання даних про оптичні приводи ...</translation>
    </message>
    <message>
        <source>No Optical Devices data is available. Try to</source>
        <translation>Немає даних про оптичні приводи. Спробуйте</translation>
    </message>
    <message>
        <source>Hardware is not installed</source>
        <translation>Обладнання не встановлено</translation>
    </message>
    <message>
        <source>Collecting Motherboard data ...</source>
        <translation>Збирання даних про материнську плату ...</translation>
    </message>
    <message>
        <source>No Motherboard data is available. Try to</source>
        <translation>Немає даних про материнську плату. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting Sound Devices data ...</source>
        <translation>Збирання даних про звукові пристрої ...</translation>
    </message>
    <message>
        <source>No Sound devices data is available. Try to</source>
        <translation>Немає даних про звукові пристрої. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting Network data ...</source>
        <translation>Збирання даних про мережу ...</translation>
    </message>
    <message>
        <source>No Network data is available. Try to</source>
        <translation>Немає даних про мережу. Спробуйте</translation>
    </message>
    <message>
        <source>Collecting Peripheral data ...</source>
        <translation>Збирання даних про периферію ...</translation>
    </message>
    <message>
        <source>No Peripheral data is available. Try to</source>
        <translation>Немає даних про периферію. Спробуйте</translation>
    </message>
    <message>
        <source>Application settings</source>
        <translation>Налаштування застосунку</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Різне</translation>
    </message>
    <message>
        <source>Useful commands</source>
        <translation>Корисні команди</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Служби</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Процеси</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Застосунки</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Драйвери</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Автозавантаження</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Змінити мову</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>Change theme</source>
        <translation>Змінити тему</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сіра</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>Мережеве підключення</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Стан:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP-адреса:</translation>
    </message>
    <message>
        <source>Check connection...</source>
        <translation>Перевірити підключення...</translation>
    </message>
    <message>
        <source>Application log</source>
        <translation>Журнал застосунку</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Store data</source>
        <translation>Збереження даних</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print data</source>
        <translation>Друк даних</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Application configuration</source>
        <translation>Конфігурація застосунку</translation>
    </message>
    <message>
        <source>Show splash at startup</source>
        <translation>Показувати заставку під час запуску</translation>
    </message>
    <message>
        <source>Share hardware information</source>
        <translation>Надсилати відомості про обладнання</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Поверх усіх вікон</translation>
    </message>
    <message>
        <source>Show application full information</source>
        <translation>Показувати повну інформацію про застосунок</translation>
    </message>
    <message>
        <source>Automatically expand all data</source>
        <translation>Автоматично розгортати всі дані</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Скинути налаштування до типових</translation>
    </message>
    <message>
        <source>System tray</source>
        <translation>Системний трей</translation>
    </message>
    <message>
        <source>Add to tray</source>
        <translation>Додати до трею</translation>
    </message>
    <message>
        <source>Close to tray</source>
        <translation>Закривати в трей</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Згортати в трей</translation>
    </message>
    <message>
        <source>Notify me when running in tray</source>
        <translation>Сповіщати про роботу в треї</translation>
    </message>
    <message>
        <source>Show application window when in tray</source>
        <translation>Показувати вікно застосунку під час роботи в треї</translation>
    </message>
    <message>
        <source>Manage font</source>
        <translation>Керування шрифтом</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>АаБбЄєЯя</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозорість</translation>
    </message>
    <message>
        <source>Process name</source>
        <translation>Ім&apos;я процесу</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ІД</translation>
    </message>
    <message>
        <source>Working set size</source>
        <translation>Робочий набір</translation>
    </message>
    <message>
        <source>Handle count</source>
        <translation>Дескриптори</translation>
    </message>
    <message>
        <source>Peak page file usage</source>
        <translation>Пік підкачки</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Пріоритет</translation>
    </message>
    <message>
        <source>Session ID</source>
        <translation>ІД сеансу</translation>
    </message>
    <message>
        <source>Virtual size</source>
        <translation>Вірт. пам&apos;ять</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Шлях</translation>
    </message>
    <message>
        <source>Collecting Processes data ...</source>
        <translation>Збирання даних про процеси ...</translation>
    </message>
    <message>
        <source>No Processes data is available. Try to</source>
        <translation>Немає даних про процеси. Спробуйте</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Назва застосунку</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Розробник</translation>
    </message>
    <message>
        <source>Install path</source>
        <translation>Шлях встановлення</translation>
    </message>
    <message>
        <source>Uninstall path</source>
        <translation>Шлях видалення</translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation>Встановлено:</translation>
    </message>
    <message>
        <source>Collecting data...</source>
        <translation>Збирання даних...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Collecting Applications data ...</source>
        <translation>Збирання даних про застосунки ...</translation>
    </message>
    <message>
        <source>No data is available! You don&apos;t have any applications installed.</source>
        <translation>Немає даних! У вас не встановлено жодного застосунку.</translation>
    </message>
    <message>
        <source>Service name</source>
        <translation>Ім&apos;я служби</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Ім&apos;я файлу</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Error control</source>
        <translation>Контроль помилок</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Тип запуску</translation>
    </message>
    <message>
        <source>Wait hint</source>
        <translation>Час очікування</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>Код виходу</translation>
    </message>
    <message>
        <source>Collecting Services data ...</source>
        <translation>Збирання даних про служби ...</translation>
    </message>
    <message>
        <source>No Services data is available. Try to</source>
        <translation>Немає даних про служби. Спробуйте</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Ім&apos;я файлу</translation>
    </message>
    <message>
        <source>Collecting Drivers data ...</source>
        <translation>Збирання даних про драйвери ...</translation>
    </message>
    <message>
        <source>Startup path</source>
        <translation>Шлях автозавантаження</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Startup:</source>
        <translation>Автозавантаження:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Collecting Startup data ...</source>
        <translation>Збирання даних про автозавантаження ...</translation>
    </message>
    <message>
        <source>No startup data is available.</source>
        <translation>Немає даних про автозавантаження.</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Диски:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Attribute ID</source>
        <translation>ІД атрибута</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Найгірше</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дані</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Поріг</translation>
    </message>
    <message>
        <source>Collecting smart data ...</source>
        <translation>Збирання даних S.M.A.R.T. ...</translation>
    </message>
    <message>
        <source>No smart data has been found!</source>
        <translation>Дані S.M.A.R.T. не знайдено!</translation>
    </message>
    <message>
        <source>Collecting TPM data ...</source>
        <translation>Збирання даних про TPM ...</translation>
    </message>
    <message>
        <source>Trusted Platform Module is not installed!</source>
        <translation>Довірений платформний модуль не встановлено!</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Application updates</source>
        <translation>Оновлення застосунку</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Не перевірялося</translation>
    </message>
    <message>
        <source>Last checked:</source>
        <translation>Остання перевірка:</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Перевірити оновлення...</translation>
    </message>
    <message>
        <source>Updates channel</source>
        <translation>Канал оновлень</translation>
    </message>
    <message>
        <source>Application changelog</source>
        <translation>Список змін застосунку</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список змін</translation>
    </message>
    <message>
        <source>Updates settings</source>
        <translation>Налаштування оновлень</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Встановлювати оновлення автоматично</translation>
    </message>
    <message>
        <source>Disable updates (not recommended)</source>
        <translation>Вимкнути оновлення (не рекомендується)</translation>
    </message>
    <message>
        <source>Check for updates when application starts</source>
        <translation>Перевіряти оновлення під час запуску застосунку</translation>
    </message>
    <message>
        <source>Get insider builds notification</source>
        <translation>Отримувати сповіщення про інсайдерські збірки</translation>
    </message>
    <message>
        <source>Delete installer after update</source>
        <translation>Видаляти інсталятор після оновлення</translation>
    </message>
    <message>
        <source>Install updates silently</source>
        <translation>Встановлювати оновлення без запитань</translation>
    </message>
    <message>
        <source>Manage Updates Paths</source>
        <translation>Шляхи оновлень</translation>
    </message>
    <message>
        <source>Download path:</source>
        <translation>Шлях завантаження:</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Шлях встановлення:</translation>
    </message>
    <message>
        <source>Updates delivery</source>
        <translation>Джерело оновлень</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Реєстр</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>Провідник</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>DX Diagnostic Tool</source>
        <translation>Діагностика DirectX</translation>
    </message>
    <message>
        <source>Windows Defender</source>
        <translation>Захисник Windows</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Кошик</translation>
    </message>
    <message>
        <source>Task Manager</source>
        <translation>Диспетчер завдань</translation>
    </message>
    <message>
        <source>Computer Management</source>
        <translation>Керування комп&apos;ютером</translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation>Брандмауер Windows</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Командний рядок</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Диспетчер пристроїв</translation>
    </message>
    <message>
        <source>Programs and Features</source>
        <translation>Програми та компоненти</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Панель керування</translation>
    </message>
    <message>
        <source>Devices and Printers</source>
        <translation>Пристрої та принтери</translation>
    </message>
    <message>
        <source>Windows Update</source>
        <translation>Центр оновлення Windows</translation>
    </message>
    <message>
        <source>About Windows</source>
        <translation>Про Windows</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Дата й час</translation>
    </message>
    <message>
        <source>Network and Sharing Center</source>
        <translation>Центр мережних підключень і спільного доступу</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <translation>Конфігурація системи</translation>
    </message>
    <message>
        <source>Power Options</source>
        <translation>Електроживлення</translation>
    </message>
    <message>
        <source>Remote Desktop Connection</source>
        <translation>Віддалене підключення</translation>
    </message>
    <message>
        <source>Command Prompt (Admin)</source>
        <translation>Командний рядок (адм.)</translation>
    </message>
    <message>
        <source>DX Diagnostic Tool (x64)</source>
        <translation>Діагностика DirectX (x64)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Виконати</translation>
    </message>
    <message>
        <source>Cortana/Search</source>
        <translation>Cortana/Пошук</translation>
    </message>
    <message>
        <source>NVIDIA Control Panel</source>
        <translation>Панель керування NVIDIA</translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Тека тимчасових файлів</translation>
    </message>
    <message>
        <source>System Properties</source>
        <translation>Властивості системи</translation>
    </message>
    <message>
        <source>Environment Variables</source>
        <translation>Змінні середовища</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>App Data folder</source>
        <translation>Тека даних застосунків</translation>
    </message>
    <message>
        <source>File Explorer Options</source>
        <translation>Параметри Провідника</translation>
    </message>
    <message>
        <source>Set Default Programs</source>
        <translation>Типові програми</translation>
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
        <translation>Центр мобільності Windows</translation>
    </message>
    <message>
        <source>Event Viewer</source>
        <translation>Переглядач подій</translation>
    </message>
    <message>
        <source>Windows Memory Diagnostic</source>
        <translation>Перевірка пам&apos;яті Windows</translation>
    </message>
    <message>
        <source>User Accounts</source>
        <translation>Облікові записи користувачів</translation>
    </message>
    <message>
        <source>Adapter Properties</source>
        <translation>Властивості адаптера</translation>
    </message>
    <message>
        <source>Game Controllers</source>
        <translation>Ігрові контролери</translation>
    </message>
    <message>
        <source>Desktop Icon Settings</source>
        <translation>Значки робочого стола</translation>
    </message>
    <message>
        <source>Character Map</source>
        <translation>Таблиця символів</translation>
    </message>
    <message>
        <source>Windows Malicious Software Removal Tool</source>
        <translation>Засіб видалення зловмисних програм Windows</translation>
    </message>
    <message>
        <source>DirectX Properties</source>
        <translation>Властивості DirectX</translation>
    </message>
    <message>
        <source>Administrative Tools</source>
        <translation>Адміністрування</translation>
    </message>
    <message>
        <source>Driver Verifier Manager</source>
        <translation>Перевірка драйверів</translation>
    </message>
    <message>
        <source>Ease of Access</source>
        <translation>Спеціальні можливості</translation>
    </message>
    <message>
        <source>Edit group policy</source>
        <translation>Редактор групової політики</translation>
    </message>
    <message>
        <source>Windows Management Instrumentation</source>
        <translation>Інструментарій керування Windows</translation>
    </message>
    <message>
        <source>Check disk</source>
        <translation>Перевірка диска</translation>
    </message>
    <message>
        <source>Local Security Policy</source>
        <translation>Локальна політика безпеки</translation>
    </message>
    <message>
        <source>Local Users and Groups</source>
        <translation>Локальні користувачі та групи</translation>
    </message>
    <message>
        <source>Bluetooth File Transfer</source>
        <translation>Передавання через Bluetooth</translation>
    </message>
    <message>
        <source>Shared Folders</source>
        <translation>Спільні теки</translation>
    </message>
    <message>
        <source>File Signature Verification</source>
        <translation>Перевірка підпису файлів</translation>
    </message>
    <message>
        <source>SQL Server Client Network Utility</source>
        <translation>Мережний клієнт SQL Server</translation>
    </message>
    <message>
        <source>Performance Monitor</source>
        <translation>Системний монітор</translation>
    </message>
    <message>
        <source>Resultant Set of Policy</source>
        <translation>Результівна політика</translation>
    </message>
    <message>
        <source>Private Character Editor</source>
        <translation>Редактор особистих символів</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Сертифікати</translation>
    </message>
    <message>
        <source>Disk Management</source>
        <translation>Керування дисками</translation>
    </message>
    <message>
        <source>Component Services</source>
        <translation>Служби компонентів</translation>
    </message>
    <message>
        <source>Disk Cleanup Utility</source>
        <translation>Очищення диска</translation>
    </message>
    <message>
        <source>Disk Partition Manager</source>
        <translation>Диспетчер розділів диска</translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation>Властивості екрана</translation>
    </message>
    <message>
        <source>Files and Settings Transfer Tool</source>
        <translation>Засіб перенесення файлів і параметрів</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Шрифти</translation>
    </message>
    <message>
        <source>Internet Properties</source>
        <translation>Властивості браузера</translation>
    </message>
    <message>
        <source>Keyboard Properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>Windows Log out</source>
        <translation>Вихід із Windows</translation>
    </message>
    <message>
        <source>Microsoft Syncronization Tool</source>
        <translation>Центр синхронізації</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Властивості миші</translation>
    </message>
    <message>
        <source>Network Connections</source>
        <translation>Мережеві підключення</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Блокнот</translation>
    </message>
    <message>
        <source>On Screen Keyboard</source>
        <translation>Екранна клавіатура</translation>
    </message>
    <message>
        <source>Phone and Modem Options</source>
        <translation>Телефон і модем</translation>
    </message>
    <message>
        <source>Phone Dialer</source>
        <translation>Телефонний номеронабирач</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Перевірка зв&apos;язку</translation>
    </message>
    <message>
        <source>Access work or school</source>
        <translation>Доступ до роботи/навчання</translation>
    </message>
    <message>
        <source>Email &amp;&amp; app accounts</source>
        <translation>Пошта й облікові записи</translation>
    </message>
    <message>
        <source>Family &amp;&amp; other people</source>
        <translation>Родина та інші користувачі</translation>
    </message>
    <message>
        <source>Set up a kiosk</source>
        <translation>Налаштування кіоску</translation>
    </message>
    <message>
        <source>Sign-in options</source>
        <translation>Параметри входу</translation>
    </message>
    <message>
        <source>Sync your settings</source>
        <translation>Синхронізація параметрів</translation>
    </message>
    <message>
        <source>Windows Hello (Face) setup</source>
        <translation>Windows Hello (обличчя)</translation>
    </message>
    <message>
        <source>Windows Hello (Fingerprint) setup</source>
        <translation>Windows Hello (відбиток пальця)</translation>
    </message>
    <message>
        <source>Your info</source>
        <translation>Ваші дані</translation>
    </message>
    <message>
        <source>Apps &amp;&amp; Features</source>
        <translation>Застосунки та можливості</translation>
    </message>
    <message>
        <source>Apps for websites</source>
        <translation>Застосунки для вебсайтів</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Типові застосунки</translation>
    </message>
    <message>
        <source>Manage optional features</source>
        <translation>Додаткові компоненти</translation>
    </message>
    <message>
        <source>Offline Maps</source>
        <translation>Автономні карти</translation>
    </message>
    <message>
        <source>Startup apps</source>
        <translation>Автозавантаження застосунків</translation>
    </message>
    <message>
        <source>Video playback</source>
        <translation>Відтворення відео</translation>
    </message>
    <message>
        <source>Control center</source>
        <translation>Центр керування</translation>
    </message>
    <message>
        <source>Cortana across my devices</source>
        <translation>Cortana на моїх пристроях</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Докладніше</translation>
    </message>
    <message>
        <source>Permissions &amp;&amp; History</source>
        <translation>Дозволи &amp;&amp; журнал</translation>
    </message>
    <message>
        <source>Searching Windows</source>
        <translation>Пошук у Windows</translation>
    </message>
    <message>
        <source>Talk to Cortana</source>
        <translation>Розмова з Cortana</translation>
    </message>
    <message>
        <source>AutoPlay</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth та інші пристрої</translation>
    </message>
    <message>
        <source>Connected Devices</source>
        <translation>Підключені пристрої</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Параметри камери</translation>
    </message>
    <message>
        <source>Mouse &amp;&amp; touchpad</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Windows Ink</source>
        <translation>Перо та Windows Ink</translation>
    </message>
    <message>
        <source>Printers &amp;&amp; scanners</source>
        <translation>Принтери та сканери</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Сенсорне введення</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Сенсорна панель</translation>
    </message>
    <message>
        <source>Text Suggestions</source>
        <translation>Текстові пропозиції</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Введення</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Коліщатко</translation>
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
        <translation>Субтитри</translation>
    </message>
    <message>
        <source>Color filters</source>
        <translation>Колірні фільтри</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>Eye control</source>
        <translation>Керування очима</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Висока контрастність</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Екранна лупа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Mouse pointer &amp;&amp; touch</source>
        <translation>Вказівник миші &amp;&amp; дотик</translation>
    </message>
    <message>
        <source>Narrator</source>
        <translation>Диктор</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Мовлення</translation>
    </message>
    <message>
        <source>Text cursor</source>
        <translation>Текстовий курсор</translation>
    </message>
    <message>
        <source>Visual Effects</source>
        <translation>Візуальні ефекти</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Додатково</translation>
    </message>
    <message>
        <source>Family Group</source>
        <translation>Родинна група</translation>
    </message>
    <message>
        <source>Game bar</source>
        <translation>Ігрова панель</translation>
    </message>
    <message>
        <source>Game DVR</source>
        <translation>Кліпи</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Ігровий режим</translation>
    </message>
    <message>
        <source>Playing a game full screen</source>
        <translation>Гра в повноекранному режимі</translation>
    </message>
    <message>
        <source>TruePlay</source>
        <translation>TruePlay</translation>
    </message>
    <message>
        <source>Default browser settings</source>
        <translation>Типовий браузер</translation>
    </message>
    <message>
        <source>Audio and speech</source>
        <translation>Звук і мовлення</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Середовище</translation>
    </message>
    <message>
        <source>Headset display</source>
        <translation>Дисплей гарнітури</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Видалення</translation>
    </message>
    <message>
        <source>Startup and desktop</source>
        <translation>Запуск і робочий стіл</translation>
    </message>
    <message>
        <source>Network &amp;&amp; internet</source>
        <translation>Мережа й Інтернет</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Додаткові параметри</translation>
    </message>
    <message>
        <source>Airplane mode</source>
        <translation>Режим «у літаку»</translation>
    </message>
    <message>
        <source>Cellular &amp;&amp; SIM</source>
        <translation>Стільникова мережа &amp;&amp; SIM</translation>
    </message>
    <message>
        <source>Dial-up</source>
        <translation>Телефонне підключення</translation>
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
        <translation>Відомі мережі</translation>
    </message>
    <message>
        <source>Mobile hotspot</source>
        <translation>Мобільна точка доступу</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Проксі</translation>
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
        <translation>Підготовка Wi-Fi</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Тло</translation>
    </message>
    <message>
        <source>Choose which folders appear on Start</source>
        <translation>Вибір тек у меню «Пуск»</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Кольори</translation>
    </message>
    <message>
        <source>Glance</source>
        <translation>Короткий огляд</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Екран блокування</translation>
    </message>
    <message>
        <source>Navigation bar</source>
        <translation>Панель навігації</translation>
    </message>
    <message>
        <source>Personalization (category)</source>
        <translation>Персоналізація (категорія)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation>Панель завдань</translation>
    </message>
    <message>
        <source>Touch Keyboard</source>
        <translation>Сенсорна клавіатура</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Теми</translation>
    </message>
    <message>
        <source>Your phone (Opens Your Phone app)</source>
        <translation>Ваш телефон (відкриває застосунок «Ваш телефон»)</translation>
    </message>
    <message>
        <source>Device Usage</source>
        <translation>Використання пристрою</translation>
    </message>
    <message>
        <source>Accessory apps</source>
        <translation>Супутні застосунки</translation>
    </message>
    <message>
        <source>Account info</source>
        <translation>Відомості облікового запису</translation>
    </message>
    <message>
        <source>Activity history</source>
        <translation>Журнал дій</translation>
    </message>
    <message>
        <source>Advertising ID</source>
        <translation>Рекламний ідентифікатор</translation>
    </message>
    <message>
        <source>App diagnostics</source>
        <translation>Діагностика застосунків</translation>
    </message>
    <message>
        <source>Automatic file downloads</source>
        <translation>Автоматичні завантаження</translation>
    </message>
    <message>
        <source>Background Apps</source>
        <translation>Фонові застосунки</translation>
    </message>
    <message>
        <source>Background Spatial Perception</source>
        <translation>Фонове сприйняття</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календар</translation>
    </message>
    <message>
        <source>Call history</source>
        <translation>Журнал викликів</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакти</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документи</translation>
    </message>
    <message>
        <source>Downloads folder</source>
        <translation>Тека завантажень</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Електронна пошта</translation>
    </message>
    <message>
        <source>Eye tracker</source>
        <translation>Відстеження погляду</translation>
    </message>
    <message>
        <source>Feedback &amp;&amp; diagnostics</source>
        <translation>Відгуки та діагностика</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Файлова система</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графіка</translation>
    </message>
    <message>
        <source>Inking &amp;&amp; typing</source>
        <translation>Рукописне введення й набір</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Розташування</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Мікрофон</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Рух</translation>
    </message>
    <message>
        <source>Music Library</source>
        <translation>Музика</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Сповіщення</translation>
    </message>
    <message>
        <source>Other devices</source>
        <translation>Інші пристрої</translation>
    </message>
    <message>
        <source>Phone calls</source>
        <translation>Телефонні дзвінки</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Радіомодулі</translation>
    </message>
    <message>
        <source>Privacy speech</source>
        <translation>Мовлення</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Завдання</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Відео</translation>
    </message>
    <message>
        <source>Voice activation</source>
        <translation>Голосова активація</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Search more details</source>
        <translation>Пошук: докладніше</translation>
    </message>
    <message>
        <source>Search Permissions</source>
        <translation>Дозволи пошуку</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Облікові записи</translation>
    </message>
    <message>
        <source>Session cleanup</source>
        <translation>Очищення сеансу</translation>
    </message>
    <message>
        <source>Team Conferencing</source>
        <translation>Конференції</translation>
    </message>
    <message>
        <source>Team device management</source>
        <translation>Керування пристроєм</translation>
    </message>
    <message>
        <source>Welcome screen</source>
        <translation>Екран привітання</translation>
    </message>
    <message>
        <source>Advanced display settings</source>
        <translation>Додаткові параметри дисплея</translation>
    </message>
    <message>
        <source>App volume and device preferences</source>
        <translation>Гучність застосунків</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Заощадження заряду</translation>
    </message>
    <message>
        <source>Battery Saver settings</source>
        <translation>Параметри заощадження заряду</translation>
    </message>
    <message>
        <source>Battery use</source>
        <translation>Використання батареї</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Буфер обміну</translation>
    </message>
    <message>
        <source>Default Save Locations</source>
        <translation>Місця збереження</translation>
    </message>
    <message>
        <source>Duplicating my display</source>
        <translation>Дублювання дисплея</translation>
    </message>
    <message>
        <source>Screen rotation</source>
        <translation>Поворот екрана</translation>
    </message>
    <message>
        <source>During these hours</source>
        <translation>У ці години</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрування</translation>
    </message>
    <message>
        <source>Focus assist</source>
        <translation>Зосередження</translation>
    </message>
    <message>
        <source>Graphics Settings</source>
        <translation>Параметри графіки</translation>
    </message>
    <message>
        <source>Graphics Default Settings</source>
        <translation>Типові параметри графіки</translation>
    </message>
    <message>
        <source>Multitasking</source>
        <translation>Багатозадачність</translation>
    </message>
    <message>
        <source>Night light settings</source>
        <translation>Параметри нічного світла</translation>
    </message>
    <message>
        <source>Projecting to this PC</source>
        <translation>Проєктування на цей ПК</translation>
    </message>
    <message>
        <source>Shared experiences</source>
        <translation>Спільні можливості</translation>
    </message>
    <message>
        <source>Tablet mode</source>
        <translation>Режим планшета</translation>
    </message>
    <message>
        <source>Notifications &amp;&amp; actions</source>
        <translation>Сповіщення та дії</translation>
    </message>
    <message>
        <source>Remote Desktop</source>
        <translation>Віддалений робочий стіл</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Power &amp;&amp; sleep</source>
        <translation>Живлення та сплячий режим</translation>
    </message>
    <message>
        <source>Sound devices</source>
        <translation>Звукові пристрої</translation>
    </message>
    <message>
        <source>Storage Sense</source>
        <translation>Контроль пам&apos;яті</translation>
    </message>
    <message>
        <source>Storage recommendations</source>
        <translation>Рекомендації щодо сховища</translation>
    </message>
    <message>
        <source>Disks &amp;&amp; volumes</source>
        <translation>Диски &amp;&amp; томи</translation>
    </message>
    <message>
        <source>Date &amp;&amp; time</source>
        <translation>Дата й час</translation>
    </message>
    <message>
        <source>Japan IME settings</source>
        <translation>Параметри японського IME</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регіон</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Pinyin IME settings</source>
        <translation>Параметри IME піньїнь</translation>
    </message>
    <message>
        <source>Wubi IME settings</source>
        <translation>Параметри IME убі</translation>
    </message>
    <message>
        <source>Add display language</source>
        <translation>Додати мову інтерфейсу</translation>
    </message>
    <message>
        <source>Language options</source>
        <translation>Параметри мови</translation>
    </message>
    <message>
        <source>Set display language</source>
        <translation>Вибрати мову інтерфейсу</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Активація</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервне копіювання</translation>
    </message>
    <message>
        <source>Delivery Optimization</source>
        <translation>Оптимізація доставки</translation>
    </message>
    <message>
        <source>Find My Device</source>
        <translation>Пошук пристрою</translation>
    </message>
    <message>
        <source>For developers</source>
        <translation>Для розробників</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Відновлення</translation>
    </message>
    <message>
        <source>Launch Security Key Enrollment</source>
        <translation>Реєстрація ключа безпеки</translation>
    </message>
    <message>
        <source>Windows Security</source>
        <translation>Безпека Windows</translation>
    </message>
    <message>
        <source>Windows Insider Program</source>
        <translation>Програма Windows Insider</translation>
    </message>
    <message>
        <source>Windows Update-Active hours</source>
        <translation>Центр оновлення Windows - період активності</translation>
    </message>
    <message>
        <source>Windows Update-Advanced options</source>
        <translation>Центр оновлення Windows - додаткові параметри</translation>
    </message>
    <message>
        <source>Windows Update-Optional updates</source>
        <translation>Центр оновлення Windows - необов&apos;язкові оновлення</translation>
    </message>
    <message>
        <source>Windows Update-Restart options</source>
        <translation>Центр оновлення Windows - параметри перезапуску</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Усунення несправностей</translation>
    </message>
    <message>
        <source>Windows Update-Seeker on demand</source>
        <translation>Центр оновлення Windows - пошук на запит</translation>
    </message>
    <message>
        <source>Windows Update-View update history</source>
        <translation>Центр оновлення Windows - журнал оновлень</translation>
    </message>
    <message>
        <source>Workplace provisioning</source>
        <translation>Підготовка робочого місця</translation>
    </message>
    <message>
        <source>Repair token</source>
        <translation>Маркер відновлення</translation>
    </message>
    <message>
        <source>Provisioning</source>
        <translation>Підготовка</translation>
    </message>
    <message>
        <source>Windows Anywhere</source>
        <translation>Windows будь-де</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Усі команди</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Застосунки</translation>
    </message>
    <message>
        <source>Control Center</source>
        <translation>Центр керування</translation>
    </message>
    <message>
        <source>Cortana</source>
        <translation>Голосовий помічник Cortana</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Пристрої</translation>
    </message>
    <message>
        <source>Ease of access</source>
        <translation>Спеціальні можливості</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Ігри</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Головна сторінка</translation>
    </message>
    <message>
        <source>Mixed reality</source>
        <translation>Змішана реальність</translation>
    </message>
    <message>
        <source>Network and internet</source>
        <translation>Мережа й Інтернет</translation>
    </message>
    <message>
        <source>Personalization</source>
        <translation>Персоналізація</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Конфіденційність</translation>
    </message>
    <message>
        <source>Surface Hub</source>
        <translation>Surface Hub</translation>
    </message>
    <message>
        <source>Time and language</source>
        <translation>Час і мова</translation>
    </message>
    <message>
        <source>Update and security</source>
        <translation>Оновлення та безпека</translation>
    </message>
    <message>
        <source>User accounts</source>
        <translation>Облікові записи користувачів</translation>
    </message>
    <message>
        <source>No such useful command is found!</source>
        <translation>Такої корисної команди не знайдено!</translation>
    </message>
    <message>
        <source>Search useful commands</source>
        <translation>Пошук корисних команд</translation>
    </message>
    <message>
        <source>Add Hardware</source>
        <translation>Встановлення обладнання</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Ядро</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Файлова система</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Зупинено</translation>
    </message>
    <message>
        <source>Start pending</source>
        <translation>Запускається</translation>
    </message>
    <message>
        <source>Stop pending</source>
        <translation>Зупиняється</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Виконується</translation>
    </message>
    <message>
        <source>Continue pending</source>
        <translation>Відновлюється</translation>
    </message>
    <message>
        <source>Pause pending</source>
        <translation>Призупиняється</translation>
    </message>
    <message>
        <source>Legacy</source>
        <translation>Застарілий</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Підтримується</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Не підтримується</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Hosting board</source>
        <translation>Основна плата</translation>
    </message>
    <message>
        <source>Hot swappable</source>
        <translation>Гаряча заміна</translation>
    </message>
    <message>
        <source>Powered on</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Removable</source>
        <translation>Знімний</translation>
    </message>
    <message>
        <source>Requires daughter board</source>
        <translation>Потрібна дочірня плата</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>BIOS mode</source>
        <translation>Режим BIOS</translation>
    </message>
    <message>
        <source>Secure boot</source>
        <translation>Безпечне завантаження</translation>
    </message>
    <message>
        <source>BIOS version</source>
        <translation>Версія BIOS</translation>
    </message>
    <message>
        <source>BIOS current language</source>
        <translation>Поточна мова BIOS</translation>
    </message>
    <message>
        <source>BIOS status</source>
        <translation>Стан BIOS</translation>
    </message>
    <message>
        <source>BIOS manufacturer</source>
        <translation>Виробник BIOS</translation>
    </message>
    <message>
        <source>BIOS serial number</source>
        <translation>Серійний номер BIOS</translation>
    </message>
    <message>
        <source>BIOS release date</source>
        <translation>Дата випуску BIOS</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>DHCP enabled</source>
        <translation>DHCP увімкнено</translation>
    </message>
    <message>
        <source>Service name of the network adapter</source>
        <translation>Ім&apos;я служби мережевого адаптера</translation>
    </message>
    <message>
        <source>TCP/IP enabled</source>
        <translation>TCP/IP увімкнено</translation>
    </message>
    <message>
        <source>Interface index</source>
        <translation>Індекс інтерфейсу</translation>
    </message>
    <message>
        <source>DHCP server</source>
        <translation>DHCP-сервер</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адреса</translation>
    </message>
    <message>
        <source>DNS hostname</source>
        <translation>Ім&apos;я вузла DNS</translation>
    </message>
    <message>
        <source>TCP connections</source>
        <translation>Підключення TCP</translation>
    </message>
    <message>
        <source>Database path</source>
        <translation>Шлях до бази даних</translation>
    </message>
    <message>
        <source>Disk is not in the drive</source>
        <translation>Диск не вставлено в привід</translation>
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
        <translation>Доступність</translation>
    </message>
    <message>
        <source>Disk in the drive</source>
        <translation>Диск у приводі</translation>
    </message>
    <message>
        <source>Drive letter</source>
        <translation>Літера диска</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Тип носія</translation>
    </message>
    <message>
        <source>Firmware revision level</source>
        <translation>Версія мікропрограми</translation>
    </message>
    <message>
        <source>SCSI logical unit number</source>
        <translation>Номер логічного пристрою SCSI</translation>
    </message>
    <message>
        <source>Transfer rate</source>
        <translation>Швидкість передавання</translation>
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
        <translation>Розкладка</translation>
    </message>
    <message>
        <source>Average pages per minute</source>
        <translation>Середня кількість сторінок за хвилину</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типовий</translation>
    </message>
    <message>
        <source>Driver name</source>
        <translation>Ім&apos;я драйвера</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Тип даних</translation>
    </message>
    <message>
        <source>Port name</source>
        <translation>Ім&apos;я порту</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>Стан принтера</translation>
    </message>
    <message>
        <source>Work offline</source>
        <translation>Працювати автономно</translation>
    </message>
    <message>
        <source>Print processor</source>
        <translation>Обробник друку</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>мілісекунд</translation>
    </message>
    <message>
        <source>Config. manager error code</source>
        <translation>Код помилки диспетчера конфігурації</translation>
    </message>
    <message>
        <source>User configuration</source>
        <translation>Конфігурація користувача</translation>
    </message>
    <message>
        <source>Power management supported</source>
        <translation>Підтримка керування живленням</translation>
    </message>
    <message>
        <source>Status info</source>
        <translation>Відомості про стан</translation>
    </message>
    <message>
        <source>Is activated</source>
        <translation>Активовано</translation>
    </message>
    <message>
        <source>Specification version</source>
        <translation>Версія специфікації</translation>
    </message>
    <message>
        <source>Manufacturer version</source>
        <translation>Версія виробника</translation>
    </message>
    <message>
        <source>Is enabled</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Failed to remove the program!</source>
        <translation>Не вдалося видалити програму!</translation>
    </message>
    <message>
        <source>The uninstaller crashed.</source>
        <translation>Програма видалення аварійно завершилася.</translation>
    </message>
    <message>
        <source>The request for administrator rights was cancelled or refused.</source>
        <translation>Запит прав адміністратора скасовано або відхилено.</translation>
    </message>
    <message>
        <source>Administrator rights could not be obtained (not authorized, or no authentication agent is running).</source>
        <translation>Не вдалося отримати права адміністратора (немає дозволу або не запущено агент автентифікації).</translation>
    </message>
    <message>
        <source>The uninstaller ended with exit code %1.</source>
        <translation>Програма видалення завершилася з кодом %1.</translation>
    </message>
    <message>
        <source>The package manager would remove nothing: the program is not installed.</source>
        <translation>Менеджер пакетів нічого не видалив би: програму не встановлено.</translation>
    </message>
    <message>
        <source>The package manager could not tell what the removal would take:</source>
        <translation>Менеджер пакетів не зміг повідомити, що буде видалено:</translation>
    </message>
    <message>
        <source>Uninstalling %1 removes these packages:</source>
        <translation>Під час видалення %1 буде видалено ці пакети:</translation>
    </message>
    <message>
        <source>Uninstalling %1 runs this command:</source>
        <translation>Для видалення %1 буде виконано цю команду:</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>Продовжити?</translation>
    </message>
    <message>
        <source>apt-get was not found.</source>
        <translation>apt-get не знайдено.</translation>
    </message>
    <message>
        <source>apt-get gave no answer in time.</source>
        <translation>apt-get не відповів вчасно.</translation>
    </message>
    <message>
        <source>apt-get ended with exit code %1.</source>
        <translation>apt-get завершився з кодом %1.</translation>
    </message>
    <message>
        <source>launching the program</source>
        <translation>запуск програми</translation>
    </message>
    <message>
        <source>gets OS information</source>
        <translation>отримання відомостей про ОС</translation>
    </message>
    <message>
        <source>An error has occurred with detecting OS!</source>
        <translation>Сталася помилка під час визначення ОС!</translation>
    </message>
    <message>
        <source>gets CPU information</source>
        <translation>отримання відомостей про процесор</translation>
    </message>
    <message>
        <source>An error has occurred with detecting CPU!</source>
        <translation>Сталася помилка під час визначення процесора!</translation>
    </message>
    <message>
        <source>gets GPU information</source>
        <translation>отримання відомостей про відеокарту</translation>
    </message>
    <message>
        <source>An error has occurred with detecting GPU!</source>
        <translation>Сталася помилка під час визначення відеокарти!</translation>
    </message>
    <message>
        <source>gets RAM information</source>
        <translation>отримання відомостей про пам&apos;ять</translation>
    </message>
    <message>
        <source>An error has occurred with detecting RAM!</source>
        <translation>Сталася помилка під час визначення пам&apos;яті!</translation>
    </message>
    <message>
        <source>gets Storage information</source>
        <translation>отримання відомостей про накопичувачі</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Storage!</source>
        <translation>Сталася помилка під час визначення накопичувачів!</translation>
    </message>
    <message>
        <source>gets Optical Devices information</source>
        <translation>отримання відомостей про оптичні приводи</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Optical Devices!</source>
        <translation>Сталася помилка під час визначення оптичних приводів!</translation>
    </message>
    <message>
        <source>gets Motherboard information</source>
        <translation>отримання відомостей про материнську плату</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Motherboard!</source>
        <translation>Сталася помилка під час визначення материнської плати!</translation>
    </message>
    <message>
        <source>gets Sound Devices information</source>
        <translation>отримання відомостей про звукові пристрої</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Sound Devices!</source>
        <translation>Сталася помилка під час визначення звукових пристроїв!</translation>
    </message>
    <message>
        <source>gets Network information</source>
        <translation>отримання відомостей про мережу</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Network!</source>
        <translation>Сталася помилка під час визначення мережі!</translation>
    </message>
    <message>
        <source>gets Peripheral information</source>
        <translation>отримання відомостей про периферію</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Peripheral!</source>
        <translation>Сталася помилка під час визначення периферії!</translation>
    </message>
    <message>
        <source>Total partitions</source>
        <translation>Усього розділів</translation>
    </message>
    <message>
        <source>OS:</source>
        <translation>ОС:</translation>
    </message>
    <message>
        <source>CPU:</source>
        <translation>Процесор:</translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation>Пам&apos;ять:</translation>
    </message>
    <message>
        <source>GPU:</source>
        <translation>Відеокарта:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Накопичувачі:</translation>
    </message>
    <message>
        <source>Sound devices:</source>
        <translation>Звукові пристрої:</translation>
    </message>
    <message>
        <source>Motherboard:</source>
        <translation>Материнська плата:</translation>
    </message>
    <message>
        <source>Optical Devices:</source>
        <translation>Оптичні приводи:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Мережа:</translation>
    </message>
    <message>
        <source>Peripheral:</source>
        <translation>Периферія:</translation>
    </message>
    <message>
        <source>Services:</source>
        <translation>Служби:</translation>
    </message>
    <message>
        <source>Processes:</source>
        <translation>Процеси:</translation>
    </message>
    <message>
        <source>Applications:</source>
        <translation>Застосунки:</translation>
    </message>
    <message>
        <source>Drivers:</source>
        <translation>Драйвери:</translation>
    </message>
    <message>
        <source>Trusted Platform Module</source>
        <translation>Довірений платформний модуль</translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Завантаження даних...</translation>
    </message>
    <message>
        <source>build</source>
        <translation>збірка</translation>
    </message>
    <message numerus="yes">
        <source>%n logical processors</source>
        <translation>
            <numerusform>%n логічний процесор</numerusform>
            <numerusform>%n логічні процесори</numerusform>
            <numerusform>%n логічних процесорів</numerusform>
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
            <numerusform>%n потік</numerusform>
            <numerusform>%n потоки</numerusform>
            <numerusform>%n потоків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n slots</source>
        <translation>
            <numerusform>%n слот</numerusform>
            <numerusform>%n слоти</numerusform>
            <numerusform>%n слотів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drives</source>
        <translation>
            <numerusform>%n диск</numerusform>
            <numerusform>%n диски</numerusform>
            <numerusform>%n дисків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n partitions</source>
        <translation>
            <numerusform>%n розділ</numerusform>
            <numerusform>%n розділи</numerusform>
            <numerusform>%n розділів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n пристрій</numerusform>
            <numerusform>%n пристрої</numerusform>
            <numerusform>%n пристроїв</numerusform>
        </translation>
    </message>
    <message>
        <source>BIOS version:</source>
        <translation>Версія BIOS:</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Не встановлено</translation>
    </message>
    <message numerus="yes">
        <source>%n adapters</source>
        <translation>
            <numerusform>%n адаптер</numerusform>
            <numerusform>%n адаптери</numerusform>
            <numerusform>%n адаптерів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n елемент</numerusform>
            <numerusform>%n елементи</numerusform>
            <numerusform>%n елементів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n служба</numerusform>
            <numerusform>%n служби</numerusform>
            <numerusform>%n служб</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n processes</source>
        <translation>
            <numerusform>%n процес</numerusform>
            <numerusform>%n процеси</numerusform>
            <numerusform>%n процесів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n applications</source>
        <translation>
            <numerusform>%n застосунок</numerusform>
            <numerusform>%n застосунки</numerusform>
            <numerusform>%n застосунків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drivers</source>
        <translation>
            <numerusform>%n драйвер</numerusform>
            <numerusform>%n драйвери</numerusform>
            <numerusform>%n драйверів</numerusform>
        </translation>
    </message>
    <message>
        <source>An error has occurred with detecting Programs!</source>
        <translation>Сталася помилка під час визначення програм!</translation>
    </message>
    <message>
        <source>gets Services information</source>
        <translation>отримання відомостей про служби</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Services!</source>
        <translation>Сталася помилка під час визначення служб!</translation>
    </message>
    <message>
        <source>gets Processes information</source>
        <translation>отримання відомостей про процеси</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Processes!</source>
        <translation>Сталася помилка під час визначення процесів!</translation>
    </message>
    <message>
        <source>gets Drivers information</source>
        <translation>отримання відомостей про драйвери</translation>
    </message>
    <message>
        <source>An error has occurred with Drivers detection!</source>
        <translation>Сталася помилка під час визначення драйверів!</translation>
    </message>
    <message>
        <source>gets Startup information</source>
        <translation>отримання відомостей про автозавантаження</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Startup data!</source>
        <translation>Сталася помилка під час визначення автозавантаження!</translation>
    </message>
    <message>
        <source>gets TPM information</source>
        <translation>отримання відомостей про TPM</translation>
    </message>
    <message>
        <source>An error has occurred with TPM detection!</source>
        <translation>Сталася помилка під час визначення TPM!</translation>
    </message>
    <message>
        <source>gets Programs information</source>
        <translation>отримання відомостей про програми</translation>
    </message>
    <message>
        <source>Failed to detect drivers configuration!</source>
        <translation>Не вдалося визначити конфігурацію драйверів!</translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation>Ліцензійна угода</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>License file was not found!</source>
        <translation>Файл ліцензії не знайдено!</translation>
    </message>
    <message>
        <source>log button clicked</source>
        <translation>натиснуто кнопку «Журнал»</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Перевірка...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Підключено</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не підключено</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Мови</translation>
    </message>
    <message>
        <source>No smart item is selected to view the information! Please select the smart item and try again.</source>
        <translation>Не вибрано атрибут SMART для перегляду відомостей! Виберіть атрибут і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Failed to remove the startup entry!</source>
        <translation>Не вдалося вилучити елемент автозавантаження!</translation>
    </message>
    <message>
        <source>No program is selected to delete! Please select the program and try again.</source>
        <translation>Не вибрано програму для видалення! Виберіть програму і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Please wait until the current program is finished uninstalling or being changed!</source>
        <translation>Зачекайте, доки завершиться видалення або зміна поточної програми!</translation>
    </message>
    <message>
        <source>An error occurred while uninstalling</source>
        <translation>Помилка під час видалення програми</translation>
    </message>
    <message>
        <source>It may have already been uninstalled.</source>
        <translation>Можливо, її вже видалено.</translation>
    </message>
    <message>
        <source>Do you want to remove</source>
        <translation>Прибрати програму</translation>
    </message>
    <message>
        <source>from the list?</source>
        <translation>зі списку?</translation>
    </message>
    <message>
        <source>Failed to remove the program from the list!</source>
        <translation>Не вдалося прибрати програму зі списку!</translation>
    </message>
    <message>
        <source>Do you want to log out now?</source>
        <translation>Вийти із системи зараз?</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Відгук</translation>
    </message>
    <message>
        <source>Feedback type</source>
        <translation>Тип відгуку</translation>
    </message>
    <message>
        <source>Rate this application</source>
        <translation>Оцініть застосунок</translation>
    </message>
    <message>
        <source>Tell us more</source>
        <translation>Розкажіть докладніше</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Вкладення</translation>
    </message>
    <message>
        <source>max. 20.0 MB</source>
        <translation>не більше 20,0 МБ</translation>
    </message>
    <message>
        <source>Problem with the application</source>
        <translation>Проблема із застосунком</translation>
    </message>
    <message>
        <source>Feature request or suggestion</source>
        <translation>Побажання або пропозиція</translation>
    </message>
    <message>
        <source>Just vote for the application</source>
        <translation>Просто оцінити застосунок</translation>
    </message>
    <message>
        <source>Provide the details about your issue</source>
        <translation>Опишіть проблему докладно</translation>
    </message>
    <message>
        <source>Include my email</source>
        <translation>Додати мою адресу електронної пошти</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваша адреса електронної пошти</translation>
    </message>
    <message>
        <source>Application name:</source>
        <translation>Назва застосунку:</translation>
    </message>
    <message>
        <source>Application build:</source>
        <translation>Збірка застосунку:</translation>
    </message>
    <message>
        <source>Application channel:</source>
        <translation>Канал застосунку:</translation>
    </message>
    <message>
        <source>Application architecture:</source>
        <translation>Архітектура застосунку:</translation>
    </message>
    <message>
        <source>Creation date:</source>
        <translation>Дата створення:</translation>
    </message>
    <message>
        <source>Application rate:</source>
        <translation>Оцінка застосунку:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Повідомлення:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Електронна пошта:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Вкладення:</translation>
    </message>
    <message>
        <source>Feedback field is empty!</source>
        <translation>Поле відгуку не заповнено!</translation>
    </message>
    <message>
        <source>You forgot to rate this application!</source>
        <translation>Ви забули оцінити застосунок!</translation>
    </message>
    <message>
        <source>Email field is empty!</source>
        <translation>Поле адреси електронної пошти не заповнено!</translation>
    </message>
    <message>
        <source>Please enter a valid email address!</source>
        <translation>Введіть правильну адресу електронної пошти!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Немає підключення до мережі! Перевірте підключення і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Thank you for the feedback!</source>
        <translation>Дякуємо за відгук!</translation>
    </message>
    <message>
        <source>feedback was successfully sent</source>
        <translation>відгук успішно надіслано</translation>
    </message>
    <message>
        <source>No network connection is available at this moment!</source>
        <translation>Зараз немає підключення до мережі!</translation>
    </message>
    <message>
        <source>Failed to send the feedback!</source>
        <translation>Не вдалося надіслати відгук!</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>No file is selected</source>
        <translation>Файл не вибрано</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Вибір файлів</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Crash dumps</source>
        <translation>Аварійні дампи</translation>
    </message>
    <message>
        <source>The size of selected data is too big (max. 20.0 MB)!</source>
        <translation>Вибрані дані завеликі (не більше 20,0 МБ)!</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Вибрано файлів:</translation>
    </message>
    <message>
        <source>files</source>
        <translation>шт.</translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation>Клацніть, щоб відкрити</translation>
    </message>
    <message>
        <source>Failed to open the file!</source>
        <translation>Не вдалося відкрити файл!</translation>
    </message>
    <message>
        <source>Your file: %1 is not allowed! Please use the following files: %2</source>
        <translation>Файл %1 не дозволено! Використовуйте файли таких типів: %2</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Log file was successfully deleted!</source>
        <translation>Файл журналу видалено!</translation>
    </message>
    <message>
        <source>Log file is not exists!</source>
        <translation>Файл журналу не існує!</translation>
    </message>
    <message>
        <source>Log file was successfully saved!</source>
        <translation>Файл журналу збережено!</translation>
    </message>
    <message>
        <source>Log path:</source>
        <translation>Шлях до журналу:</translation>
    </message>
    <message>
        <source>Text Documents</source>
        <translation>Текстові документи</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>Log file was successfully sent!</source>
        <translation>Файл журналу надіслано!</translation>
    </message>
    <message>
        <source>You are offline. Go online and try again!</source>
        <translation>Немає підключення до мережі. Підключіться і спробуйте ще раз!</translation>
    </message>
    <message>
        <source>Failed to send the log file!</source>
        <translation>Не вдалося надіслати файл журналу!</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Не вдалося відкрити файл: %1</translation>
    </message>
    <message>
        <source>Select the volume and press start to proceed</source>
        <translation>Виберіть том і натисніть «Пуск», щоб продовжити</translation>
    </message>
    <message>
        <source>The file name contains control characters; it was not sent.</source>
        <translation>Назва файлу містить керівні символи; файл не надіслано.</translation>
    </message>
    <message>
        <source>The upload failed: %1</source>
        <translation>Не вдалося надіслати файл: %1</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Надсилання файлу скасовано.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Не вдалося прочитати файл: %1</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Не вдалося зв&apos;язатися із сервером.</translation>
    </message>
    <message>
        <source>The server refused the login.</source>
        <translation>Сервер відхилив вхід.</translation>
    </message>
    <message>
        <source>The server refused the file (reply %1).</source>
        <translation>Сервер відхилив файл (відповідь %1).</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes were sent.</source>
        <translation>Надіслано лише %1 з %2 байтів.</translation>
    </message>
    <message>
        <source>The server did not confirm the transfer (reply %1).</source>
        <translation>Сервер не підтвердив передавання (відповідь %1).</translation>
    </message>
    <message>
        <source>The server holds %1 of the file&apos;s %2 bytes.</source>
        <translation>На сервері %1 з %2 байтів файлу.</translation>
    </message>
    <message>
        <source>Choose:</source>
        <translation>Вибір:</translation>
    </message>
    <message>
        <source>Repair errors</source>
        <translation>Виправляти помилки</translation>
    </message>
    <message>
        <source>The check found no errors.</source>
        <translation>Перевірка не знайшла помилок.</translation>
    </message>
    <message>
        <source>The check found errors or could not finish. Exit code:</source>
        <translation>Перевірка знайшла помилки або не змогла завершитися. Код завершення:</translation>
    </message>
    <message>
        <source>The check did not run: the authorisation was refused or failed.</source>
        <translation>Перевірку не запущено: в авторизації відмовлено або вона не вдалася.</translation>
    </message>
    <message>
        <source>Press Enter to close this window.</source>
        <translation>Натисніть Enter, щоб закрити це вікно.</translation>
    </message>
    <message>
        <source>Enter your command here, for example: %1 -n %2, ping to get the help, exit to stop</source>
        <translation>Введіть команду, наприклад: %1 -n %2; ping — довідка, exit — вихід</translation>
    </message>
    <message>
        <source>The command field is empty!</source>
        <translation>Поле команди не заповнено!</translation>
    </message>
    <message>
        <source>Network connection is not available!</source>
        <translation>Немає підключення до мережі!</translation>
    </message>
    <message>
        <source>hardware data was successfully sent</source>
        <translation>відомості про обладнання успішно надіслано</translation>
    </message>
    <message>
        <source>hardware data could not be sent</source>
        <translation>не вдалося надіслати відомості про обладнання</translation>
    </message>
    <message>
        <source>INI Files</source>
        <translation>Файли INI</translation>
    </message>
    <message>
        <source>Word 97-2003 Documents</source>
        <translation>Документи Word 97-2003</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>Файли XML</translation>
    </message>
    <message>
        <source>PDF Documents</source>
        <translation>Документи PDF</translation>
    </message>
    <message>
        <source>Error has occurred!</source>
        <translation>Сталася помилка!</translation>
    </message>
    <message>
        <source>file could not be saved!</source>
        <translation>не вдалося зберегти!</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>file was successfully saved!</source>
        <translation>успішно збережено!</translation>
    </message>
    <message>
        <source>Printer is offline or not installed!</source>
        <translation>Принтер не підключено або не встановлено!</translation>
    </message>
    <message>
        <source>Some error has occurred!</source>
        <translation>Виникла непередбачена помилка!</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Дата створення</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Усі дані</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нова версія</translation>
    </message>
    <message>
        <source>build:</source>
        <translation>— збірка</translation>
    </message>
    <message>
        <source>is available, would you like to download it?</source>
        <translation>доступна. Завантажити її?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>не потребує оновлення</translation>
    </message>
    <message>
        <source>Updates are disabled. Do you want to enable it?</source>
        <translation>Оновлення вимкнено. Увімкнути їх?</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Changelog:</source>
        <translation>Список змін:</translation>
    </message>
    <message>
        <source>changelog has been updated</source>
        <translation>список змін оновлено</translation>
    </message>
    <message>
        <source>changelog could not be saved</source>
        <translation>не вдалося зберегти список змін</translation>
    </message>
    <message>
        <source>Settings could not be saved!</source>
        <translation>Не вдалося зберегти налаштування!</translation>
    </message>
    <message>
        <source>Changes apply until the program is closed.</source>
        <translation>Зміни діють до закриття програми.</translation>
    </message>
    <message>
        <source>setting %1 could not be saved</source>
        <translation>не вдалося зберегти параметр %1</translation>
    </message>
    <message>
        <source>Can&apos;t get changelog information.</source>
        <translation>Не вдалося отримати список змін.</translation>
    </message>
    <message>
        <source>Make sure you have network connection.</source>
        <translation>Перевірте підключення до мережі.</translation>
    </message>
    <message>
        <source>Update localization error!</source>
        <translation>Не вдалося оновити список змін вибраною мовою!</translation>
    </message>
    <message>
        <source>Do you really want to delete the changelog? This action cannot be undone.</source>
        <translation>Видалити список змін? Цю дію не можна скасувати.</translation>
    </message>
    <message>
        <source>Changelog was successfully cleared.</source>
        <translation>Список змін очищено.</translation>
    </message>
    <message>
        <source>Insider notification</source>
        <translation>Сповіщення для інсайдерів</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Більше не показувати</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>New insider build</source>
        <translation>Нова інсайдерська збірка</translation>
    </message>
    <message>
        <source>is available! Do you want to install it?</source>
        <translation>доступна! Встановити її?</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примітка:</translation>
    </message>
    <message>
        <source>If you click install you will be automatically set to Insider updates channel</source>
        <translation>Під час встановлення канал оновлень автоматично зміниться на «Інсайдер»</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>байт/с</translation>
    </message>
    <message>
        <source>The setup address is not a secure (https) address.</source>
        <translation>Адреса інсталятора не є захищеною (https).</translation>
    </message>
    <message>
        <source>The setup file cannot be written:</source>
        <translation>Не вдається записати файл інсталятора:</translation>
    </message>
    <message>
        <source>The server did not send the size of the setup, so the download cannot be verified.</source>
        <translation>Сервер не повідомив розмір інсталятора, тому перевірити завантаження неможливо.</translation>
    </message>
    <message>
        <source>The download ended before the whole setup arrived.</source>
        <translation>Завантаження перервалося до отримання всього інсталятора.</translation>
    </message>
    <message>
        <source>UpdateTitle</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Минуло:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Залишилося:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Downloading:</source>
        <translation>Завантаження:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Розмір:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Завантажено:</translation>
    </message>
    <message>
        <source>Downloaded successfully!</source>
        <translation>Завантаження завершено!</translation>
    </message>
    <message>
        <source>update was successfully installed!</source>
        <translation>оновлення успішно встановлено!</translation>
    </message>
    <message>
        <source>File was not found! Do you want to restart update now?</source>
        <translation>Файл не знайдено! Перезапустити оновлення?</translation>
    </message>
    <message>
        <source>Do you want to cancel update?</source>
        <translation>Скасувати оновлення?</translation>
    </message>
    <message>
        <source>cancelling...</source>
        <translation>Скасування...</translation>
    </message>
    <message>
        <source>Update process has failed!</source>
        <translation>Не вдалося виконати оновлення!</translation>
    </message>
    <message>
        <source>Status code</source>
        <translation>Код стану</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Код помилки</translation>
    </message>
    <message>
        <source>Do you want to restart update now?</source>
        <translation>Перезапустити оновлення?</translation>
    </message>
    <message>
        <source>Failed to delete the update file!</source>
        <translation>Не вдалося видалити файл оновлення!</translation>
    </message>
    <message>
        <source>Failed to open the download directory!</source>
        <translation>Не вдалося відкрити теку завантаження!</translation>
    </message>
    <message>
        <source>Failed to open the install directory!</source>
        <translation>Не вдалося відкрити теку встановлення!</translation>
    </message>
    <message>
        <source>Password must be between 6 and 40 characters!</source>
        <translation>Пароль має містити від 6 до 40 символів!</translation>
    </message>
    <message>
        <source>Your password doesn&apos;t match!</source>
        <translation>Паролі не збігаються!</translation>
    </message>
    <message>
        <source>Captcha characters doesn&apos;t match!</source>
        <translation>Символи з картинки введено неправильно!</translation>
    </message>
    <message>
        <source>Loading captcha...</source>
        <translation>Завантаження картинки...</translation>
    </message>
    <message>
        <source>Account details</source>
        <translation>Відомості про обліковий запис</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>Ідентифікатор:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Ім&apos;я користувача:</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Група:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Failed to log out! Please check your network connection and try again.</source>
        <translation>Не вдалося вийти! Перевірте підключення до мережі і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Введіть адресу електронної пошти</translation>
    </message>
    <message>
        <source>Enter the verification code from your email</source>
        <translation>Введіть код підтвердження з листа</translation>
    </message>
    <message>
        <source>Enter your new password</source>
        <translation>Введіть новий пароль</translation>
    </message>
    <message>
        <source>Repeat your password</source>
        <translation>Повторіть пароль</translation>
    </message>
    <message>
        <source>Enter displayed characters</source>
        <translation>Введіть символи з картинки</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Показати символи</translation>
    </message>
    <message>
        <source>Click to reload the captcha</source>
        <translation>Клацніть, щоб оновити картинку</translation>
    </message>
    <message>
        <source>Recover now</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Captcha error code:</source>
        <translation>Код помилки перевірки картинки:</translation>
    </message>
    <message>
        <source>You can&apos;t use all uppercase characters!</source>
        <translation>Не можна використовувати лише великі літери!</translation>
    </message>
    <message>
        <source>No such user account has been found!</source>
        <translation>Такий обліковий запис не знайдено!</translation>
    </message>
    <message>
        <source>Email validation error! Code:</source>
        <translation>Помилка перевірки адреси електронної пошти! Код:</translation>
    </message>
    <message>
        <source>Email validation failed! Error code:</source>
        <translation>Не вдалося перевірити адресу електронної пошти! Код помилки:</translation>
    </message>
    <message>
        <source>Your verification code is incorrect and not accepted!
Please enter the valid verification code from your email.</source>
        <translation>Неправильний код підтвердження!
Введіть правильний код з листа.</translation>
    </message>
    <message>
        <source>Please fill in all fields to recover your account!</source>
        <translation>Заповніть усі поля, щоб відновити обліковий запис!</translation>
    </message>
    <message>
        <source>Password encryption error code:</source>
        <translation>Код помилки шифрування пароля:</translation>
    </message>
    <message>
        <source>Your password has been successfully changed.</source>
        <translation>Пароль успішно змінено.</translation>
    </message>
    <message>
        <source>The password of your account could not be changed.</source>
        <translation>Не вдалося змінити пароль облікового запису.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Реєстрація</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Введіть ім&apos;я</translation>
    </message>
    <message>
        <source>Enter your username</source>
        <translation>Введіть ім&apos;я користувача</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Введіть пароль</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Чоловіча</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Жіноча</translation>
    </message>
    <message>
        <source>terms</source>
        <translation>(прочитати)</translation>
    </message>
    <message>
        <source>Choose your birthday</source>
        <translation>Виберіть дату народження</translation>
    </message>
    <message>
        <source>I accept the</source>
        <translation>Я приймаю умови компанії</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Зареєструватися</translation>
    </message>
    <message>
        <source>Username is invalid or already taken!</source>
        <translation>Ім&apos;я користувача неприпустиме або вже зайняте!</translation>
    </message>
    <message>
        <source>This email is empty/used/invalid or in the blacklist!</source>
        <translation>Адресу електронної пошти не вказано, вона вже використовується, неправильна або заблокована!</translation>
    </message>
    <message>
        <source>You have been successfully registered! Sign in to use all features.</source>
        <translation>Реєстрація пройшла успішно! Увійдіть, щоб користуватися всіма можливостями.</translation>
    </message>
    <message>
        <source>Registration failed! Error code:</source>
        <translation>Не вдалося зареєструватися! Код помилки:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Вхід</translation>
    </message>
    <message>
        <source>Enter your credentials to sign in to the system</source>
        <translation>Введіть облікові дані для входу в систему</translation>
    </message>
    <message>
        <source>Username / email / phone number</source>
        <translation>Ім&apos;я користувача, пошта або телефон</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Запам&apos;ятати мене</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Зареєструватися</translation>
    </message>
    <message>
        <source>Forget your password?</source>
        <translation>Забули пароль?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Увійти</translation>
    </message>
    <message>
        <source>Please enter your credentials!</source>
        <translation>Введіть облікові дані!</translation>
    </message>
    <message>
        <source>user successfully logged in to the system</source>
        <translation>користувач успішно увійшов у систему</translation>
    </message>
    <message>
        <source>Could not log in!</source>
        <translation>Не вдалося увійти!</translation>
    </message>
    <message>
        <source>Check your network connection and try again!</source>
        <translation>Перевірте підключення до мережі і спробуйте ще раз!</translation>
    </message>
    <message>
        <source>This account does not exists!</source>
        <translation>Такого облікового запису не існує!</translation>
    </message>
    <message>
        <source>Please enter the valid credentials.</source>
        <translation>Введіть правильні облікові дані.</translation>
    </message>
    <message>
        <source>Account credentials verification has failed!</source>
        <translation>Не вдалося перевірити облікові дані!</translation>
    </message>
    <message>
        <source>Please enter the valid credentials for your account.</source>
        <translation>Введіть правильні облікові дані свого облікового запису.</translation>
    </message>
    <message>
        <source>You can&apos;t take that name!</source>
        <translation>Це ім&apos;я використовувати не можна!</translation>
    </message>
    <message>
        <source>You can&apos;t take that username!</source>
        <translation>Це ім&apos;я користувача використовувати не можна!</translation>
    </message>
    <message>
        <source>Please fill in all fields to create your account!</source>
        <translation>Заповніть усі поля, щоб створити обліковий запис!</translation>
    </message>
    <message>
        <source>Length of fullname/username is too long!</source>
        <translation>Задовге ім&apos;я або ім&apos;я користувача!</translation>
    </message>
    <message>
        <source>You can&apos;t select current or future date! Please enter a valid birthday date.</source>
        <translation>Не можна вибрати сьогоднішню або майбутню дату! Вкажіть правильну дату народження.</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Умови</translation>
    </message>
    <message>
        <source>You must accept the terms!</source>
        <translation>Потрібно прийняти умови!</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Run CMD as administrator</source>
        <translation>Командний рядок від імені адміністратора</translation>
    </message>
    <message>
        <source>The default settings has been successfully applied!</source>
        <translation>Типові налаштування застосовано!</translation>
    </message>
    <message>
        <source>language has been successfully changed</source>
        <translation>мову успішно змінено</translation>
    </message>
    <message>
        <source>The program could not be set to run at login.</source>
        <translation>Не вдалося ввімкнути запуск програми під час входу в систему.</translation>
    </message>
    <message>
        <source>The program could not be removed from the programs run at login.</source>
        <translation>Не вдалося вимкнути запуск програми під час входу в систему.</translation>
    </message>
    <message>
        <source>The update description could not be read.</source>
        <translation>Не вдалося прочитати опис оновлення.</translation>
    </message>
    <message>
        <source>this desktop has no notification area</source>
        <translation>у цьому робочому середовищі немає області сповіщень</translation>
    </message>
    <message>
        <source>You must restart the program to apply the selected font.</source>
        <translation>Щоб застосувати вибраний шрифт, перезапустіть програму.</translation>
    </message>
    <message>
        <source>Do you want to restart now?</source>
        <translation>Перезапустити зараз?</translation>
    </message>
    <message>
        <source>You must restart the program to set the default font.</source>
        <translation>Щоб повернути типовий шрифт, перезапустіть програму.</translation>
    </message>
    <message>
        <source>Run at login</source>
        <translation>Запускати під час входу в систему</translation>
    </message>
    <message>
        <source>running in a tray</source>
        <translation>працює в треї</translation>
    </message>
    <message>
        <source>Download path</source>
        <translation>Шлях завантаження</translation>
    </message>
    <message numerus="yes">
        <source>The server did not respond for %n seconds.</source>
        <translation>
            <numerusform>Сервер не відповідав %n секунду.</numerusform>
            <numerusform>Сервер не відповідав %n секунди.</numerusform>
            <numerusform>Сервер не відповідав %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Сервер відхилив з&apos;єднання.</translation>
    </message>
    <message numerus="yes">
        <source>The upload did not end within %n seconds.</source>
        <translation>
            <numerusform>Надсилання файлу не завершилося за %n секунду.</numerusform>
            <numerusform>Надсилання файлу не завершилося за %n секунди.</numerusform>
            <numerusform>Надсилання файлу не завершилося за %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Сервер закрив з&apos;єднання.</translation>
    </message>
    <message>
        <source>The server did not confirm the file&apos;s size (reply %1).</source>
        <translation>Сервер не підтвердив розмір файлу (відповідь %1).</translation>
    </message>
</context>
</TS>
