<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Calculation</name>
    <message>
        <source>Стержень %d присоединен к несуществующему узлу: Начальный узел %d, Конечный узел %d	Неверная топология. Узлов в конструкции: %d.</source>
        <translation>Rod %d is attached to a node that does not exist: begin node %d, end node %d	Wrong topology. Nodes in the structure: %d.</translation>
    </message>
    <message>
        <source>Ошибка в исходных данных!	Свойства или нагрузки стержня %d не являются конечными числами.</source>
        <translation>Error in the input data!	The properties or loads of rod %d are not finite numbers.</translation>
    </message>
    <message>
        <source>Ошибка в исходных данных!	Координаты или нагрузки узла %d не являются конечными числами.</source>
        <translation>Error in the input data!	The coordinates or loads of node %d are not finite numbers.</translation>
    </message>
    <message>
        <source>узле %d</source>
        <translation>node %d</translation>
    </message>
    <message>
        <source>стержне %d</source>
        <translation>rod %d</translation>
    </message>
    <message>
        <source>Узел %d может свободно поворачиваться.</source>
        <translation>Node %d is free to rotate.</translation>
    </message>
    <message>
        <source>Узел %d может свободно смещаться по оси %s.</source>
        <translation>Node %d is free to move along the %s axis.</translation>
    </message>
    <message>
        <source>У стержня %s продольная жесткость EF осталась равной 1 (значение по умолчанию), а EI задана: с учетом продольных деформаций они растягиваются и сжимаются почти без сопротивления.</source>
        <translation>Rod %s has its axial rigidity EF still at 1 (the default) while its EI is set: with axial deformations taken into account it stretches and shortens almost without resistance.</translation>
    </message>
    <message>
        <source>У стержней %s продольная жесткость EF осталась равной 1 (значение по умолчанию), а EI задана: с учетом продольных деформаций они растягиваются и сжимаются почти без сопротивления.</source>
        <translation>Rods %s have their axial rigidity EF still at 1 (the default) while their EI is set: with axial deformations taken into account they stretch and shorten almost without resistance.</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>Сила X</source>
        <translation>Force X</translation>
    </message>
    <message>
        <source>Сила Y</source>
        <translation>Force Y</translation>
    </message>
    <message>
        <source>Момент</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Высота</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Альфа</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Температура слева</source>
        <translation>Temperature left</translation>
    </message>
    <message>
        <source>Температура справа</source>
        <translation>Temperature right</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source><byte value="xd"/>
Примечание: </source>
        <translation><byte value="xd"/>
Note: </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Время расчета: %10.5g секунд</source>
        <translation>Calculation time: %10.5g seconds</translation>
    </message>
    <message>
        <source>ОТЧЕТ ПО КОНСТРУКЦИИ<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>STRUCTURE REPORT<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Моменты<byte value="xd"/>
-------<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Moments<byte value="xd"/>
-------<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Стержень %d:    	M(%d) = % 10.6g		M(%d) = % 10.6g<byte value="xd"/>
</source>
        <translation>Rod %d:    	M(%d) = % 10.6g		M(%d) = % 10.6g<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Стержень %d:    	Q(%d) = % 10.6g		Q(%d) = % 10.6g<byte value="xd"/>
</source>
        <translation>Rod %d:    	Q(%d) = % 10.6g		Q(%d) = % 10.6g<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Стержень %d:    	N(%d) = % 10.6g		N(%d) = % 10.6g<byte value="xd"/>
</source>
        <translation>Rod %d:    	N(%d) = % 10.6g		N(%d) = % 10.6g<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Узел %d:  	dx = % 10.6g  dy = % 10.6g  da = % 10.6g<byte value="xd"/>
</source>
        <translation>Node %d:  	dx = % 10.6g  dy = % 10.6g  da = % 10.6g<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Поперечные силы<byte value="xd"/>
---------------<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Shear forces<byte value="xd"/>
------------<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Продольные силы<byte value="xd"/>
---------------<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Axial forces<byte value="xd"/>
------------<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Перемещения<byte value="xd"/>
-----------<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Displacements<byte value="xd"/>
-------------<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Отсутствуют опорные узлы/стержни!	Добавьте хотя бы один опорный узел или стержень.</source>
        <translation>No support nodes or rods!	Add at least one support node or rod.</translation>
    </message>
    <message>
        <source>Стержень %d присоединен к странным узлам: Начальный узел %d, Конечный узел %d (en &lt; bn!)	Неверная топология. Возможно вы пытаетесь рассчитать конструкцию созданную не Руво.</source>
        <translation>Rod %d is attached to strange nodes: begin node %d, end node %d (en &lt; bn!)	Wrong topology. Perhaps you are trying to calculate a structure that was not made with Ruvo.</translation>
    </message>
    <message>
        <source>Топологическая ошибка!	Обнаружен узел, к которому не подходит ни один стержень!</source>
        <translation>Topology error!	There is a node to which no rod is attached!</translation>
    </message>
    <message>
        <source>Топологическая ошибка!	Найдена подвижная заделка! Я дико извиняюсь, но этот тип опоры я никак не могу посчитать. Подождите следующую версию Руво, а пока постарайтесь заменить подвижную заделку стержнями и шарнирами.</source>
        <translation>Topology error!	A moving clamp was found! I am terribly sorry, but I cannot calculate this kind of support at all. Wait for the next version of Ruvo, and meanwhile try to replace the moving clamp with rods and hinges.</translation>
    </message>
    <message>
        <source>Деление на ноль!	Такое бывает, но редко. Сообщите об ошибке.</source>
        <translation>Division by zero!	This happens, but rarely. Please report the error.</translation>
    </message>
    <message>
        <source>Невозможно решить фундаментальное уравнение	Возможные причины:
- Конструкция неустойчива, проверьте топологию.
- Конструкция предполагает наличие осевой податливости в стержнях. Это не соотвествует расчетной модели Руво.</source>
        <translation>The fundamental equation cannot be solved	Possible causes:
- The structure is unstable; check the topology.
- The structure relies on axial compliance of the rods. This does not fit Ruvo&apos;s calculation model.</translation>
    </message>
    <message>
        <source>Топологическая ошибка!	В конструкции нет неопорных стержней, никак не могу рассчитать такую конструкцию.</source>
        <translation>Topology error!	The structure has no non-support rods; such a structure cannot be calculated.</translation>
    </message>
    <message>
        <source>Топологическая ошибка!	Подвижные шарниры должны быть заменены опорными стержнями.</source>
        <translation>Topology error!	Moving hinges must be replaced with support rods.</translation>
    </message>
    <message>
        <source>Топологическая ошибка!	Ошибка в подсчете числа узлов.</source>
        <translation>Topology error!	The nodes were counted wrongly.</translation>
    </message>
    <message>
        <source>Ошибка в расчетах	Вектор %s содержит нулевые значения!</source>
        <translation>Calculation error	Vector %s contains zero values!</translation>
    </message>
    <message>
        <source>Изменяемая конструкция!	Мой вам совет: добавьте стержней</source>
        <translation>The structure is a mechanism!	My advice to you: add rods</translation>
    </message>
    <message>
        <source>Произошла математическая ошибка в функции %s:
%s

Сообщите об ошибке авторам Руво.</source>
        <translation>A mathematical error occurred in the function %s:
%s

Please report the error to the authors of Ruvo.</translation>
    </message>
    <message>
        <source>Ошибка в расчетах!	Число неизвестных линейных перемещений меньше нуля. Измените расчетную схему.</source>
        <translation>Calculation error!	The number of unknown linear displacements is less than zero. Change the design model.</translation>
    </message>
    <message>
        <source>Ошибка открытия файла!	Файл %s не может быть открыт</source>
        <translation>File open error!	The file %s cannot be opened</translation>
    </message>
    <message>
        <source>Ошибка чтения данных!	Не могу загрузить узлы.</source>
        <translation>Data read error!	Cannot load the nodes.</translation>
    </message>
    <message>
        <source>Файл журнала не существует!	Включите запись в журнал в диалоге Настройки</source>
        <translation>The log file does not exist!	Turn logging on in the Options dialog</translation>
    </message>
    <message>
        <source>Ошибка чтения данных!	Не могу загрузить стержни.</source>
        <translation>Data read error!	Cannot load the rods.</translation>
    </message>
    <message>
        <source>Ошибка в расчетах!	Число неизвестных линейных перемещений в основной системе равно нулю. Добавьте узел в середину любого стержня.</source>
        <translation>Calculation error!	The number of unknown linear displacements of the main system is zero. Add a node in the middle of any rod.</translation>
    </message>
    <message>
        <source>Момент приложен к шарнирному узлу!	В узле %d все стержни присоединены шарнирами, и сосредоточенный момент не может быть воспринят. Сделайте хотя бы одно соединение в этом узле жестким или уберите момент.</source>
        <translation>Moment applied to a hinged node!	All rods at node %d are attached with hinges, so the concentrated moment cannot be carried. Make at least one connection at this node rigid or remove the moment.</translation>
    </message>
    <message>
        <source>Результаты не прошли проверку!	В %s не выполнены условия равновесия или совместности деформаций: жесткости стержней различаются слишком сильно для точности метода. Уменьшите разницу жесткостей стержней.</source>
        <translation>The results failed the check!	At %s the conditions of equilibrium or compatibility of deformations are not met: the rod stiffnesses differ too much for the accuracy of the method. Reduce the difference between the rod stiffnesses.</translation>
    </message>
    <message>
        <source>К опорному узлу нельзя прикладывать силовую нагрузку! Силовая нагрузка будет автоматически удалена.</source>
        <translation>A force load cannot be applied to a support node! The force load will be removed automatically.</translation>
    </message>
    <message>
        <source>К неопорному узлу нельзя прикладывать кинематическую нагрузку! Кинематическая нагрузка будет автоматически удалена.</source>
        <translation>A kinematic load cannot be applied to a free node! The kinematic load will be removed automatically.</translation>
    </message>
    <message>
        <source>Кинематическое воздействие (перемещение или поворот) может быть приложено только к опорным узлам конструкции.</source>
        <translation>A kinematic action (a displacement or a rotation) can be applied only to support nodes of the structure.</translation>
    </message>
    <message>
        <source>Силовое воздействие (сила или момент) может быть приложено только к неопорным узлам конструкции.</source>
        <translation>A force action (a force or a moment) can be applied only to free nodes of the structure.</translation>
    </message>
    <message>
        <source>Готов</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Единицы: силы N, длины и перемещения m, моменты N·m, углы поворота в радианах<byte value="xd"/>
</source>
        <translation>Units: forces N, lengths and displacements m, moments N·m, rotations in radians<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Реакции<byte value="xd"/>
-------<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Reactions<byte value="xd"/>
---------<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Узел %d:  	Rx = %10g  Ry = %10g  M = %10g<byte value="xd"/>
</source>
        <translation>Node %d:  	Rx = %10g  Ry = %10g  M = %10g<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Экстремумы моментов в пролетах<byte value="xd"/>
------------------------------<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Moment extremes inside spans<byte value="xd"/>
----------------------------<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Стержень %d:    	M = % 10.6g		x = % 10.6g от узла %d<byte value="xd"/>
</source>
        <translation>Rod %d:    	M = % 10.6g		x = % 10.6g from node %d<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Число вне допустимого диапазона!	Узел %d: %s = %g. Расчет возможен, если координаты, нагрузки и перемещения узлов по модулю не больше 1e+50.</source>
        <translation>Number out of range!	Node %d: %s = %g. The calculation is possible when the coordinates, loads and displacements of the nodes are at most 1e+50 in magnitude.</translation>
    </message>
    <message>
        <source>Число вне допустимого диапазона!	Стержень %d: %s = %g. Расчет возможен, если жесткости, размеры и нагрузки стержней по модулю не больше 1e+50.</source>
        <translation>Number out of range!	Rod %d: %s = %g. The calculation is possible when the stiffnesses, dimensions and loads of the rods are at most 1e+50 in magnitude.</translation>
    </message>
    <message>
        <source>Все стержни присоединены к свободным узлам шарнирно. Соединения можно сделать жесткими: в свойствах стержня (&quot;Жесткая связь&quot;) или, для новых стержней, в диалоге &quot;Параметры&quot;.</source>
        <translation>Every rod is attached to the free nodes with hinges. The connections can be made rigid: in the rod&apos;s properties (&quot;Rigid connection&quot;) or, for new rods, in the &quot;Options&quot; dialog.</translation>
    </message>
    <message>
        <source>Недостаточно памяти!	Для расчета с жесткими стержнями нужно около %.0f МБ памяти, а доступно только %.0f МБ.</source>
        <translation>Not enough memory!	The calculation with axially rigid rods needs about %.0f MB of memory, but only %.0f MB is available.</translation>
    </message>
    <message>
        <source>С учетом продольных деформаций стержней (флажок &quot;Учитывать продольные деформации&quot; в диалоге &quot;Параметры&quot;) эту конструкцию можно рассчитать.</source>
        <translation>With the axial deformations of the rods taken into account (the check box &quot;Include axial deformations&quot; in the &quot;Options&quot; dialog) this structure can be calculated.</translation>
    </message>
</context>
</TS>
