#pragma once
// The window's image lists, made once and shared by the pages' layouts.
class ListeImages;

struct ImagesFenetre {
    ListeImages* ImageList1 = nullptr;
    ListeImages* ImageList24x24 = nullptr;
    ListeImages* ImageListTreeview = nullptr;
};
