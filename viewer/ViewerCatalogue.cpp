#include "viewer/ViewerCatalogue.h"

namespace {

TreeNode group(const char* text, std::vector<TreeNode> children, int selectedPicture = kFolderPicture)
{
    return {QString::fromUtf8(text), kFolderPicture, selectedPicture, std::move(children)};
}

TreeNode topic(const char* text)
{
    return {QString::fromUtf8(text), kSheetPicture, kDrawingPicture, {}};
}

} // namespace

const ViewerCatalogue& lecturesCatalogue()
{
    static const ViewerCatalogue catalogue{
        {
            group("ТЕЛЛЕКОММУНИКАЦИИ", {
                topic("1 Телекоммуникации"),
                topic("2 Преобразователи. Линии связи"),
                topic("3 Коммутация в телекоммуникациях"),
                topic("4 Телекоммуникационные сети и технологии"),
                topic("5 Мобильные коммуникации"),
                topic("6 Системы мобильной связи"),
                topic("7 Системы IP-телефонии"),
            }),
            group("ПРОГРАММИРОВАНИЕ НА JAVASCRIPT", {
                topic("1 Основы языка JavaScript"),
                topic("2 Операторы, выражения, функции"),
                topic("3 Объектная модель"),
                topic("4 Классы и объекты языка JavaScript"),
                topic("5 Экранные формы"),
                topic("6 Классы для программной обработки данных"),
            }),
        },
        {
            {0, "HTML/page0_L.html"},
            {1, "HTML/telecom/page1_L.html"},
            {2, "HTML/telecom/page2_L.html"},
            {3, "HTML/telecom/page3_L.html"},
            {4, "HTML/telecom/page4_L.html"},
            {5, "HTML/telecom/page5_L.html"},
            {6, "HTML/telecom/page6_L.html"},
            {7, "HTML/telecom/page7_L.html"},
            {8, "HTML/Page00_L.html"},
            {9, "HTML/JS/page8.html"},
            {10, "HTML/JS/page9.html"},
            {11, "HTML/JS/page10.html"},
            {12, "HTML/JS/page11.html"},
            {13, "HTML/JS/page12.html"},
            {14, "HTML/JS/page13.html"},
        },
        {
            // Two of the captions carry two spaces after "Тема".
            {1, "Тема  1. ТЕЛЕКОММУНИКАЦИИ"},
            {2, "Тема 2. ПРЕОБРАЗОВАТЕЛИ. ЛИНИИ СВЯЗИ"},
            {3, "Тема 3. КОММУТАЦИЯ В ТЕЛЕКОММУНИКАЦИЯХ"},
            {4, "Тема 4. ТЕЛЕКОММУНИКАЦИОННЫЕ СЕТИ И ТЕХНОЛОГИИ"},
            {5, "Тема 5. МОБИЛЬНЫЕ КОММУНИКАЦИИ"},
            {6, "Тема 6. СИСТЕМЫ МОБИЛЬНОЙ СВЯЗИ"},
            {7, "Тема 7. СИСТЕМЫ IP-ТЕЛЕФОНИИ"},
            {9, "Тема 1. Основы языка JavaScript"},
            {10, "Тема 2. Операторы, выражения, функции"},
            {12, "Тема  4. Классы и объекты языка JavaScript"},
            {13, "Тема 5. Экранные формы"},
            {14, "Тема 6. Классы для программной обработки данных"},
        },
    };
    return catalogue;
}

const ViewerCatalogue& aboutCatalogue()
{
    static const ViewerCatalogue catalogue{
        {
            group("О ПРОГРАММЕ", {
                topic("1. Руководство пользователя"),
                topic("2. Авторы"),
            }, kSheetPicture),
        },
        {
            {1, "HTML/rukovodstvo.html"},
            {2, "HTML/Avtory_.html"},
            {0, "HTML/index.html"},
        },
        {
            {1, "1. Руководство пользователя"},
            {2, "2. Авторы"},
            {0, "О программе"},
        },
    };
    return catalogue;
}
