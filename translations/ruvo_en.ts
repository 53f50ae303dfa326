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
    <name>Command</name>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Создать новую конструкцию
Новая конструкция</source>
        <translation>Create a new structure
New structure</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Открыть конструкцию из файла
Открыть</source>
        <translation>Open a structure from a file
Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить конструкцию в файл
Сохранить</source>
        <translation>Save the structure to its file
Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Сохранить конструкцию в файл с другим именем
Сохранить как</source>
        <translation>Save the structure to a file with another name
Save As</translation>
    </message>
    <message>
        <source>Экспорт...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Сохранить печатную страницу в файл PDF, SVG или PNG
Экспорт</source>
        <translation>Save the printed page to a PDF, SVG or PNG file
Export</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Напечатать конструкцию с результатами
Печать</source>
        <translation>Print the structure with its results
Print</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Показать страницу так, как она будет напечатана
Предварительный просмотр</source>
        <translation>Show the page as it will be printed
Print Preview</translation>
    </message>
    <message>
        <source>Настройки принтера...</source>
        <translation>Print Setup...</translation>
    </message>
    <message>
        <source>Выбрать принтер и параметры страницы
Настройки принтера</source>
        <translation>Choose the printer and the page settings
Print Setup</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Открыть этот файл
Открыть файл</source>
        <translation>Open this file
Open file</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Закрыть программу, предложив сохранить изменения
Выход</source>
        <translation>Close the program, offering to save changes
Exit</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Отменить последнее изменение конструкции
Отменить</source>
        <translation>Undo the last change of the structure
Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Вернуть отмененное изменение
Повторить</source>
        <translation>Redo the undone change
Redo</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Выделить все узлы и стержни
Выделить все</source>
        <translation>Select all nodes and rods
Select All</translation>
    </message>
    <message>
        <source>Отменить выделение</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>Снять выделение со всех узлов и стержней
Отменить выделение</source>
        <translation>Deselect all nodes and rods
Deselect All</translation>
    </message>
    <message>
        <source>Все узлы</source>
        <translation>All Nodes</translation>
    </message>
    <message>
        <source>Выделить все узлы
Все узлы</source>
        <translation>Select all nodes
All Nodes</translation>
    </message>
    <message>
        <source>Все стержни</source>
        <translation>All Rods</translation>
    </message>
    <message>
        <source>Выделить все стержни
Все стержни</source>
        <translation>Select all rods
All Rods</translation>
    </message>
    <message>
        <source>Горизонтальные стержни</source>
        <translation>Horizontal Rods</translation>
    </message>
    <message>
        <source>Выделить все горизонтальные стержни
Горизонтальные стержни</source>
        <translation>Select all horizontal rods
Horizontal Rods</translation>
    </message>
    <message>
        <source>Вертикальные стержни</source>
        <translation>Vertical Rods</translation>
    </message>
    <message>
        <source>Выделить все вертикальные стержни
Вертикальные стержни</source>
        <translation>Select all vertical rods
Vertical Rods</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Копировать выделенное в буфер обмена
Копировать</source>
        <translation>Copy the selection to the clipboard
Copy</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Вырезать выделенное в буфер обмена
Вырезать</source>
        <translation>Cut the selection to the clipboard
Cut</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Вставить из буфера обмена
Вставить</source>
        <translation>Paste from the clipboard
Paste</translation>
    </message>
    <message>
        <source>Свойства узла...</source>
        <translation>Node Properties...</translation>
    </message>
    <message>
        <source>Изменить свойства узла
Свойства узла</source>
        <translation>Change the properties of the node
Node Properties</translation>
    </message>
    <message>
        <source>Свойства стержня...</source>
        <translation>Rod Properties...</translation>
    </message>
    <message>
        <source>Изменить свойства стержня
Свойства стержня</source>
        <translation>Change the properties of the rod
Rod Properties</translation>
    </message>
    <message>
        <source>Удалить узел</source>
        <translation>Delete Node</translation>
    </message>
    <message>
        <source>Удалить узел вместе с присоединенными стержнями
Удалить узел</source>
        <translation>Delete the node with the rods attached to it
Delete Node</translation>
    </message>
    <message>
        <source>Удалить стержень</source>
        <translation>Delete Rod</translation>
    </message>
    <message>
        <source>Удалить стержень
Удалить стержень</source>
        <translation>Delete the rod
Delete Rod</translation>
    </message>
    <message>
        <source>Удалить силу</source>
        <translation>Delete Force</translation>
    </message>
    <message>
        <source>Удалить силу, приложенную к узлу
Удалить силу</source>
        <translation>Delete the force applied to the node
Delete Force</translation>
    </message>
    <message>
        <source>Удалить момент</source>
        <translation>Delete Moment</translation>
    </message>
    <message>
        <source>Удалить момент, приложенный к узлу
Удалить момент</source>
        <translation>Delete the moment applied to the node
Delete Moment</translation>
    </message>
    <message>
        <source>Удалить распределенную нагрузку</source>
        <translation>Delete Distributed Load</translation>
    </message>
    <message>
        <source>Удалить распределенную нагрузку со стержня
Удалить нагрузку</source>
        <translation>Delete the distributed load of the rod
Delete Load</translation>
    </message>
    <message>
        <source>Удалить температурную нагрузку</source>
        <translation>Delete Temperature Load</translation>
    </message>
    <message>
        <source>Удалить температурную нагрузку со стержня
Удалить температуру</source>
        <translation>Delete the temperature load of the rod
Delete Temperature</translation>
    </message>
    <message>
        <source>Удалить перемещение</source>
        <translation>Delete Displacement</translation>
    </message>
    <message>
        <source>Удалить заданное перемещение опоры
Удалить перемещение</source>
        <translation>Delete the prescribed displacement of the support
Delete Displacement</translation>
    </message>
    <message>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Включить/Выключить сетку
Включить/Выключить сетку</source>
        <translation>Show or hide the grid
Show/Hide Grid</translation>
    </message>
    <message>
        <source>Номера элементов</source>
        <translation>Element Numbers</translation>
    </message>
    <message>
        <source>Показать/Скрыть номера узлов и стержней
Номера элементов</source>
        <translation>Show or hide the numbers of nodes and rods
Element Numbers</translation>
    </message>
    <message>
        <source>Нагрузки</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>Показать/Скрыть нагрузки
Нагрузки</source>
        <translation>Show or hide the loads
Loads</translation>
    </message>
    <message>
        <source>Значения нагрузок и усилий</source>
        <translation>Values of Loads and Forces</translation>
    </message>
    <message>
        <source>Показать/Скрыть значения нагрузок, усилий и перемещений
Значения нагрузок и усилий</source>
        <translation>Show or hide the values of loads, forces and displacements
Values of Loads and Forces</translation>
    </message>
    <message>
        <source>Эпюра моментов</source>
        <translation>Moment Diagram</translation>
    </message>
    <message>
        <source>Рассчитать конструкцию и показать эпюру изгибающих моментов
Эпюра моментов</source>
        <translation>Calculate the structure and show the bending-moment diagram
Moment Diagram</translation>
    </message>
    <message>
        <source>Эпюра поперечных сил</source>
        <translation>Shear Force Diagram</translation>
    </message>
    <message>
        <source>Рассчитать конструкцию и показать эпюру поперечных сил
Эпюра поперечных сил</source>
        <translation>Calculate the structure and show the shear-force diagram
Shear Force Diagram</translation>
    </message>
    <message>
        <source>Эпюра продольных сил</source>
        <translation>Axial Force Diagram</translation>
    </message>
    <message>
        <source>Рассчитать конструкцию и показать эпюру продольных сил
Эпюра продольных сил</source>
        <translation>Calculate the structure and show the axial-force diagram
Axial Force Diagram</translation>
    </message>
    <message>
        <source>Схема перемещений</source>
        <translation>Displacements</translation>
    </message>
    <message>
        <source>Рассчитать конструкцию и показать перемещения узлов
Схема перемещений</source>
        <translation>Calculate the structure and show the node displacements
Displacements</translation>
    </message>
    <message>
        <source>Реакции опор</source>
        <translation>Support Reactions</translation>
    </message>
    <message>
        <source>Рассчитать конструкцию и показать реакции опор
Реакции опор</source>
        <translation>Calculate the structure and show the support reactions
Support Reactions</translation>
    </message>
    <message>
        <source>Увеличить	+</source>
        <translation>Zoom In	+</translation>
    </message>
    <message>
        <source>Увеличить изображение вдвое
Увеличить</source>
        <translation>Enlarge the picture twice
Zoom In</translation>
    </message>
    <message>
        <source>Уменьшить	-</source>
        <translation>Zoom Out	-</translation>
    </message>
    <message>
        <source>Уменьшить изображение вдвое
Уменьшить</source>
        <translation>Reduce the picture by half
Zoom Out</translation>
    </message>
    <message>
        <source>Показать всю конструкцию</source>
        <translation>Show Whole Structure</translation>
    </message>
    <message>
        <source>Показать всю конструкцию в окне
Показать всю конструкцию</source>
        <translation>Fit the whole structure into the window
Show Whole Structure</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Показать/Скрыть панель инструментов
Инструменты</source>
        <translation>Show or hide the tool bars
Tools</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>Показать/Скрыть строку состояния
Строка состояния</source>
        <translation>Show or hide the status bar
Status Bar</translation>
    </message>
    <message>
        <source>Режим отладки</source>
        <translation>Debug Mode</translation>
    </message>
    <message>
        <source>Включить/Выключить режим отладки
Режим отладки</source>
        <translation>Switch the debug mode on or off
Debug Mode</translation>
    </message>
    <message>
        <source>Опорный узел</source>
        <translation>Support Node</translation>
    </message>
    <message>
        <source>Добавлять опорные узлы
Опорный узел</source>
        <translation>Add support nodes
Support Node</translation>
    </message>
    <message>
        <source>Свободный узел</source>
        <translation>Free Node</translation>
    </message>
    <message>
        <source>Добавлять свободные узлы
Свободный узел</source>
        <translation>Add free nodes
Free Node</translation>
    </message>
    <message>
        <source>Стержень</source>
        <translation>Rod</translation>
    </message>
    <message>
        <source>Соединять узлы стержнями
Стержень</source>
        <translation>Join nodes with rods
Rod</translation>
    </message>
    <message>
        <source>Сила</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Прикладывать силы к свободным узлам
Сила</source>
        <translation>Apply forces to free nodes
Force</translation>
    </message>
    <message>
        <source>Распределенная нагрузка</source>
        <translation>Distributed load</translation>
    </message>
    <message>
        <source>Прикладывать распределенную нагрузку к стержням
Распределенная нагрузка</source>
        <translation>Apply distributed loads to rods
Distributed Load</translation>
    </message>
    <message>
        <source>Момент</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>Прикладывать моменты к свободным узлам
Момент</source>
        <translation>Apply moments to free nodes
Moment</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Задавать температурную нагрузку стержней
Температурная нагрузка</source>
        <translation>Set temperature loads of rods
Temperature Load</translation>
    </message>
    <message>
        <source>Перемещения</source>
        <translation>Displacements</translation>
    </message>
    <message>
        <source>Задавать перемещения опорных узлов
Перемещение опоры</source>
        <translation>Prescribe displacements of support nodes
Support Displacement</translation>
    </message>
    <message>
        <source>Режим редактирования</source>
        <translation>Edit Mode</translation>
    </message>
    <message>
        <source>Выделять элементы и изменять их свойства
Режим редактирования</source>
        <translation>Select elements and change their properties
Edit Mode</translation>
    </message>
    <message>
        <source>Режим удаления</source>
        <translation>Delete Mode</translation>
    </message>
    <message>
        <source>Удалять узлы, стержни и нагрузки щелчком мыши
Режим удаления</source>
        <translation>Delete nodes, rods and loads with a click
Delete Mode</translation>
    </message>
    <message>
        <source>Результаты...</source>
        <translation>Results...</translation>
    </message>
    <message>
        <source>Рассчитать конструкцию и показать отчет о результатах
Результаты расчета</source>
        <translation>Calculate the structure and show the results report
Calculation Results</translation>
    </message>
    <message>
        <source>Журнал расчета...</source>
        <translation>Calculation Log...</translation>
    </message>
    <message>
        <source>Показать журнал последнего расчета
Журнал расчета</source>
        <translation>Show the log of the last calculation
Calculation Log</translation>
    </message>
    <message>
        <source>Калькулятор</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Запустить калькулятор
Калькулятор</source>
        <translation>Start the calculator
Calculator</translation>
    </message>
    <message>
        <source>Статистика...</source>
        <translation>Statistics...</translation>
    </message>
    <message>
        <source>Показать число узлов и стержней
Статистика</source>
        <translation>Show the numbers of nodes and rods
Statistics</translation>
    </message>
    <message>
        <source>Параметры...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Изменить параметры программы
Параметры</source>
        <translation>Change the options of the program
Options</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Открыть содержание справки
Справка</source>
        <translation>Open the contents of the help
Help</translation>
    </message>
    <message>
        <source>Учебник</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Открыть учебник: первая конструкция шаг за шагом
Учебник</source>
        <translation>Open the tutorial: a first structure step by step
Tutorial</translation>
    </message>
    <message>
        <source>Техническая поддержка...</source>
        <translation>Technical Support...</translation>
    </message>
    <message>
        <source>Как сообщить о неполадке в программе
Техническая поддержка</source>
        <translation>How to report a problem with the program
Technical Support</translation>
    </message>
    <message>
        <source>Сайт Руво в Интернете...</source>
        <translation>Ruvo on the Web...</translation>
    </message>
    <message>
        <source>Открыть сайт Руво в браузере
Сайт Руво в Интернете</source>
        <translation>Open the Ruvo web site in the browser
Ruvo on the Web</translation>
    </message>
    <message>
        <source>О Руво...</source>
        <translation>About Ruvo...</translation>
    </message>
    <message>
        <source>Показать сведения о программе, ее версии и авторах
О Руво</source>
        <translation>Show the program, its version and its makers
About Ruvo</translation>
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
