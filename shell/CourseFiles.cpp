#include "shell/CourseFiles.h"
#include "platform/DesktopLauncher.h"
#include "platform/ShellError.h"

const std::vector<CourseFile>& courseFileCatalogue()
{
    static const std::vector<CourseFile> catalogue = {
        {"Form1", "btnUchebnik", "Силлабус", "docs\\sillabus_ОбщКурс.doc"},
        {"Form1", "Label5", "Лабораторные работы", "docs\\Лабораторные работы_JavaScript.doc"},
        {"Form1", "Label6", "СРО", "docs\\Материалы СРС.doc"},
        {"Form1", "Label7", "Рубежный контроль", "docs\\Материалы по контролю знаний.doc"},
        {"Form1", "Label8", "Литература", "docs\\Список рекомендуемой литературы.doc"},
        {"Present", "BitBtn1", "Введение", "docs\\Введение.ppt"},
        {"Present", "BitBtn2", "Телекоммуникации связи", "docs\\Телекоммуникации связи.ppt"},
        {"Present", "BitBtn3", "Коммутация в телекоммуникациях", "docs\\Коммутация в телекоммуникациях.ppt"},
        {"Present", "BitBtn4", "Стек TCP_IP", "docs\\Стек TCP_IP.ppt"},
        {"Present", "BitBtn5", "Беспроводная локальная сеть ", "docs\\Беспроводная локальная сеть.ppt"},
        {"Present", "BitBtn7", "Системы IP-телефонии", "docs\\Системы IP-телефонии.ppt"},
        {"Present", "BitBtn8", "Клиентские сценарии и приложения", "docs\\Клиентские сценарии и приложения.ppt"},
        {"Present", "BitBtn9", "Методы, функции и события JS", "docs\\Методы, функции и события JavaScript.ppt"},
        {"Video", "BitBtn1", "Операторы, циклы, массивы", "docs\\Операторы, циклы, массивы.wmv"},
        {"Video", "BitBtn2", "Отладка", "docs\\Отладка.wmv"},
    };
    return catalogue;
}

QString courseFileOf(const QString& screen, const QString& control)
{
    for (const CourseFile& f : courseFileCatalogue())
        if (f.screen == screen && f.control == control)
            return f.path;
    throw ShellError(QStringLiteral("Нет файла курса для %1.%2").arg(screen, control));
}

void launchCourseFile(const QString& screen, const QString& control)
{
    openInDesktop(courseFileOf(screen, control));
}
