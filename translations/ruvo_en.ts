<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>О Руво</source>
        <translation>About Ruvo</translation>
    </message>
    <message>
        <source>Руво 2.1.1</source>
        <translation>Ruvo 2.1.1</translation>
    </message>
    <message>
        <source>Расчет плоских рам смешанным методом
строительной механики

© Ostrand, 2026</source>
        <translation>Analysis of plane frames by the mixed method
of structural mechanics

© Ostrand, 2026</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>Извините, ошибка!</source>
        <translation>Sorry, an error!</translation>
    </message>
</context>
<context>
    <name>ExceptionGuard</name>
    <message>
        <source>Недостаточно памяти!	Закройте другие программы и повторите действие.</source>
        <translation>Out of memory!	Close other programs and try again.</translation>
    </message>
</context>
<context>
    <name>FieldDialog</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Справка Руво</source>
        <translation>Ruvo Help</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>&lt;p&gt;Страницы справки не найдены.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The help pages were not found.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>%g N</source>
        <translation>%g N</translation>
    </message>
    <message>
        <source>%g N*M</source>
        <translation>%g N*m</translation>
    </message>
    <message>
        <source>%g N/M</source>
        <translation>%g N/m</translation>
    </message>
    <message>
        <source>%gM</source>
        <translation>%g m</translation>
    </message>
</context>
<context>
    <name>LoadDialog</name>
    <message>
        <source>Момент</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>M, N*M</source>
        <translation>M, N*m</translation>
    </message>
    <message>
        <source>Температурная нагрузка</source>
        <translation>Temperature load</translation>
    </message>
    <message>
        <source>Слева</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Справа</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Высота, М</source>
        <translation>Height, m</translation>
    </message>
    <message>
        <source>Альфа</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Перемещение</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>dx, M</source>
        <translation>dx, m</translation>
    </message>
    <message>
        <source>dy, M</source>
        <translation>dy, m</translation>
    </message>
    <message>
        <source>da, °</source>
        <translation>da, °</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Журнал расчета</source>
        <translation>Calculation log</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Последние файлы</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Выделить</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Режим</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Настройки</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source> - Руво</source>
        <translation> - Ruvo</translation>
    </message>
    <message>
        <source>Конструкция (*.str)</source>
        <translation>Structure (*.str)</translation>
    </message>
    <message>
        <source>Руво</source>
        <translation>Ruvo</translation>
    </message>
    <message>
        <source>Сохранить изменения в %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Открыть %1</source>
        <translation>Open %1</translation>
    </message>
</context>
<context>
    <name>MultiNodeDialog</name>
    <message>
        <source>Свойства нескольких узлов</source>
        <translation>Properties of several nodes</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Не связан с землей</source>
        <translation>Not connected to the ground</translation>
    </message>
    <message>
        <source>Нагрузка</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Сила X, N</source>
        <translation>Force X, N</translation>
    </message>
    <message>
        <source>Сила Y, N</source>
        <translation>Force Y, N</translation>
    </message>
    <message>
        <source>Момент, N*M</source>
        <translation>Moment, N*m</translation>
    </message>
    <message>
        <source>Перемещение</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>DX, M</source>
        <translation>DX, m</translation>
    </message>
    <message>
        <source>DY, M</source>
        <translation>DY, m</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
</context>
<context>
    <name>MultiRodDialog</name>
    <message>
        <source>Свойства нескольких стержней</source>
        <translation>Properties of several rods</translation>
    </message>
    <message>
        <source>Распределенная нагрузка</source>
        <translation>Distributed load</translation>
    </message>
    <message>
        <source>X, N/M</source>
        <translation>X, N/m</translation>
    </message>
    <message>
        <source>Y, N/M</source>
        <translation>Y, N/m</translation>
    </message>
    <message>
        <source>Температурное воздействие</source>
        <translation>Temperature action</translation>
    </message>
    <message>
        <source>Слева</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Справа</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Высота, M</source>
        <translation>Height, m</translation>
    </message>
    <message>
        <source>Физические характеристики</source>
        <translation>Physical properties</translation>
    </message>
    <message>
        <source>Альфа</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>К. Пуассона</source>
        <translation>Poisson ratio</translation>
    </message>
    <message>
        <source>Мю</source>
        <translation>Mu</translation>
    </message>
    <message>
        <source>Начальный узел</source>
        <translation>Start node</translation>
    </message>
    <message>
        <source>Конечный узел</source>
        <translation>End node</translation>
    </message>
    <message>
        <source>Шарнир</source>
        <translation>Hinge</translation>
    </message>
    <message>
        <source>Жесткая связь</source>
        <translation>Rigid joint</translation>
    </message>
    <message>
        <source>Поворот, °</source>
        <translation>Rotation, °</translation>
    </message>
</context>
<context>
    <name>NodeDialog</name>
    <message>
        <source>Свойства узла</source>
        <translation>Node properties</translation>
    </message>
    <message>
        <source>Координаты</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>X, M</source>
        <translation>X, m</translation>
    </message>
    <message>
        <source>Y, M</source>
        <translation>Y, m</translation>
    </message>
    <message>
        <source>Не связан с землей</source>
        <translation>Not connected to the ground</translation>
    </message>
    <message>
        <source>Нагрузка</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Сила X, N</source>
        <translation>Force X, N</translation>
    </message>
    <message>
        <source>Сила Y, N</source>
        <translation>Force Y, N</translation>
    </message>
    <message>
        <source>Момент, N*M</source>
        <translation>Moment, N*m</translation>
    </message>
    <message>
        <source>Перемещение</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>DX, M</source>
        <translation>DX, m</translation>
    </message>
    <message>
        <source>DY, M</source>
        <translation>DY, m</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
</context>
<context>
    <name>NumberField</name>
    <message>
        <source>Введите число.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Введите число от %1 до %2.</source>
        <translation>Please enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>Введите положительное число.</source>
        <translation>Please enter a positive number.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Параметры</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Параметры дисплея</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Шаг сетки</source>
        <translation>Grid step</translation>
    </message>
    <message>
        <source>Показывать номера</source>
        <translation>Show numbers</translation>
    </message>
    <message>
        <source>Шаг мышки</source>
        <translation>Mouse step</translation>
    </message>
    <message>
        <source>Показывать сетку</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <source>Параметры для новых стержней</source>
        <translation>New rods</translation>
    </message>
    <message>
        <source>Тип связи</source>
        <translation>Joint type</translation>
    </message>
    <message>
        <source>Шарнир</source>
        <translation>Hinge</translation>
    </message>
    <message>
        <source>Жесткая</source>
        <translation>Rigid</translation>
    </message>
    <message>
        <source>EI</source>
        <translation>EI</translation>
    </message>
    <message>
        <source>EF</source>
        <translation>EF</translation>
    </message>
    <message>
        <source>Высота, M</source>
        <translation>Height, m</translation>
    </message>
    <message>
        <source>Альфа</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>К. Пуассона</source>
        <translation>Poisson ratio</translation>
    </message>
    <message>
        <source>Mu</source>
        <translation>Mu</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Вести журнал расчета (может замедлить расчет)</source>
        <translation>Keep a calculation log (may slow the calculation)</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>As the desktop</translation>
    </message>
    <message>
        <source>Язык меню, диалогов и сообщений; меняется при следующем запуске</source>
        <translation>Language of menus, dialogs and messages; changes at the next start</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Учитывать продольные деформации</source>
        <translation>Take axial deformations into account</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>записана только часть данных (диск переполнен?)</source>
        <translation>only part of the data was written (disk full?)</translation>
    </message>
    <message>
        <source>имя файла должно оканчиваться на .pdf, .svg или .png</source>
        <translation>the file name must end in .pdf, .svg or .png</translation>
    </message>
    <message>
        <source>неверный размер страницы</source>
        <translation>invalid page size</translation>
    </message>
    <message>
        <source>Руво 2.1.1</source>
        <translation>Ruvo 2.1.1</translation>
    </message>
    <message>
        <source>Руво</source>
        <translation>Ruvo</translation>
    </message>
    <message>
        <source>недостаточно памяти для изображения</source>
        <translation>not enough memory for the picture</translation>
    </message>
    <message>
        <source>не удалось нарисовать страницу</source>
        <translation>the page could not be drawn</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Новая Конструкция</source>
        <translation>New Structure</translation>
    </message>
    <message>
        <source>Моменты, N·m</source>
        <translation>Moments, N·m</translation>
    </message>
    <message>
        <source>Поперечные силы, N</source>
        <translation>Shear forces, N</translation>
    </message>
    <message>
        <source>Продольные силы, N</source>
        <translation>Axial forces, N</translation>
    </message>
    <message>
        <source>Перемещения, m, радианы</source>
        <translation>Displacements, m, radians</translation>
    </message>
    <message>
        <source>Реакции опор, N, N·m</source>
        <translation>Support reactions, N, N·m</translation>
    </message>
    <message>
        <source>Конструкция и нагрузки</source>
        <translation>Structure and loads</translation>
    </message>
    <message>
        <source>Конструкция</source>
        <translation>Structure</translation>
    </message>
</context>
<context>
    <name>PolarLoadDialog</name>
    <message>
        <source>Сила</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Распределенная нагрузка</source>
        <translation>Distributed load</translation>
    </message>
    <message>
        <source>Под углом</source>
        <translation>At an angle</translation>
    </message>
    <message>
        <source>F, N</source>
        <translation>F, N</translation>
    </message>
    <message>
        <source>q, N/M</source>
        <translation>q, N/m</translation>
    </message>
    <message>
        <source>Fx, N</source>
        <translation>Fx, N</translation>
    </message>
    <message>
        <source>qx, N/M</source>
        <translation>qx, N/m</translation>
    </message>
    <message>
        <source>Fy, N</source>
        <translation>Fy, N</translation>
    </message>
    <message>
        <source>qy, N/M</source>
        <translation>qy, N/m</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Ошибка печати!	Печать на «%s» не может начаться.</source>
        <translation>Printing error!	Printing on “%s” cannot start.</translation>
    </message>
    <message>
        <source>Ошибка печати!	Задание печати не выполнено.</source>
        <translation>Printing error!	The print job failed.</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Печать невозможна!	В системе нет принтера по умолчанию.</source>
        <translation>Cannot print!	The system has no default printer.</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Настройки принтера</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>Экспорт</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Ошибка экспорта!	Файл %s не записан: %s</source>
        <translation>Export error!	File %s was not written: %s</translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Результаты расчета</source>
        <translation>Calculation results</translation>
    </message>
</context>
<context>
    <name>RodDialog</name>
    <message>
        <source>Свойства стержня</source>
        <translation>Rod properties</translation>
    </message>
    <message>
        <source>Физические и геометрические характеристики</source>
        <translation>Physical and geometric properties</translation>
    </message>
    <message>
        <source>Высота, M</source>
        <translation>Height, m</translation>
    </message>
    <message>
        <source>Мю</source>
        <translation>Mu</translation>
    </message>
    <message>
        <source>К. Пуассона</source>
        <translation>Poisson ratio</translation>
    </message>
    <message>
        <source>Альфа</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Распределенная нагрузка</source>
        <translation>Distributed load</translation>
    </message>
    <message>
        <source>qx, N/M</source>
        <translation>qx, N/m</translation>
    </message>
    <message>
        <source>qy, N/M</source>
        <translation>qy, N/m</translation>
    </message>
    <message>
        <source>Температурная нагрузка</source>
        <translation>Temperature load</translation>
    </message>
    <message>
        <source>Слева</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Справа</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Начальный узел</source>
        <translation>Start node</translation>
    </message>
    <message>
        <source>Конечный узел</source>
        <translation>End node</translation>
    </message>
    <message>
        <source>Шарнир</source>
        <translation>Hinge</translation>
    </message>
    <message>
        <source>Жесткая связь</source>
        <translation>Rigid joint</translation>
    </message>
    <message>
        <source>Подвижный шарнир</source>
        <translation>Moving hinge</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
</context>
<context>
    <name>RuvoApp</name>
    <message>
        <source>Язык интерфейса сменится при следующем запуске</source>
        <translation>The interface language changes at the next start</translation>
    </message>
</context>
<context>
    <name>RuvoDoc</name>
    <message>
        <source>записана только часть данных (диск переполнен?)</source>
        <translation>only part of the data was written (disk full?)</translation>
    </message>
    <message>
        <source>Ошибка записи файла!	Файл %s не сохранен: %s</source>
        <translation>File write error!	File %s was not saved: %s</translation>
    </message>
    <message>
        <source>Новая Конструкция</source>
        <translation>New Structure</translation>
    </message>
    <message>
        <source>Недостаточно памяти!	Конструкция слишком велика для расчета.</source>
        <translation>Out of memory!	The structure is too large to calculate.</translation>
    </message>
    <message>
        <source> (с учетом продольных деформаций)</source>
        <translation> (with axial deformations)</translation>
    </message>
</context>
<context>
    <name>ShowWarning</name>
    <message>
        <source>Руво</source>
        <translation>Ruvo</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Топология</source>
        <translation>Topology</translation>
    </message>
    <message>
        <source>Число узлов</source>
        <translation>Number of nodes</translation>
    </message>
    <message>
        <source>Число стержней</source>
        <translation>Number of rods</translation>
    </message>
</context>
<context>
    <name>SupportDialog</name>
    <message>
        <source>Техническая поддержка</source>
        <translation>Technical Support</translation>
    </message>
    <message>
        <source>Если у вас возникли проблемы с использованием программы, пожалуйста, напишите нам по адресу:</source>
        <translation>If you have problems using the program, please write to us at:</translation>
    </message>
    <message>
        <source>Опишите в письме суть проблемы так, чтобы мы смогли ее повторить, если ваш вопрос касается неверных результатов расчета или анализа конструкции, то пришлите также файл конструкции, дающей ошибку.</source>
        <translation>Describe the problem so that we can reproduce it; if it concerns wrong results of a calculation or of the analysis of a structure, please attach the structure file that gives the error.</translation>
    </message>
    <message>
        <source>Мы сделаем все от нас зависящее, чтобы устранить неполадки в программе. Спасибо!</source>
        <translation>We will do all we can to fix the problems in the program. Thank you!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Руво: расчет плоских рам</source>
        <translation>Ruvo: analysis of plane frames</translation>
    </message>
    <message>
        <source>Файл конструкции (*.str)</source>
        <translation>Structure file (*.str)</translation>
    </message>
    <message>
        <source>Напечатать файл на принтере по умолчанию и завершить работу</source>
        <translation>Print the file on the default printer and exit</translation>
    </message>
</context>
</TS>
