// What the program can call of the framework, checked as the compiler sees it from outside the
// framework: the public operations, and none of the hooks that the framework's classes use on one
// another. Each check is a concept evaluated here, where only public members are accessible, so a
// hook that became public again stops this file from compiling.
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/graphics.h"
#include "framework/label.h"
#include "framework/listbox.h"
#include "framework/picture.h"
#include "framework/popupmenu.h"
#include "framework/pushbutton.h"
#include "framework/rectangle.h"
#include "framework/textfield.h"
#include "framework/window.h"

namespace {

// The checks see what they should: the public operations that the program calls.
template <class W>
concept BuildsControls = requires(W& w, const fw::Ref<fw::RectControl>& c) {
  w._AddControl("name", c);
  w._ControlByName("name");
  w.template __New<fw::Label>();
  w._AddMenuHandler("item", fw::MenuHandler());
};
static_assert(BuildsControls<fw::Window>);
template <class L>
concept EditsCells = requires(L& list) {
  list.EditCell(0, 0);
  list.ActiveCell()->SelectAll();
};
static_assert(EditsCells<fw::Listbox>);

template <class C>
concept ReachesWidget = requires(const C& c) {
  c.QtWidget();
};
template <class C>
concept PlacesItself = requires(C& c) {
  c.ApplyLocks(std::int64_t(), std::int64_t());
  c.RecordDesignPlace(std::int64_t(), std::int64_t());
};
template <class C>
concept JoinsWindow = requires(C& c, fw::Window* w) {
  c.SetWindow(w);
};
template <class C>
concept RenamesItself = requires(C& c) {
  c.SetName("name");
};
template <class C>
concept SeesOwner = requires(const C& c) {
  c.Owner();
};
template <class C>
concept LinksItself = requires(C& c) {
  c.LinkToControls();
};
template <class C>
concept RaisesOpen = requires(C& c) {
  c.RaiseOpen();
};
static_assert(!ReachesWidget<fw::RectControl> && !ReachesWidget<fw::Label>);
static_assert(!PlacesItself<fw::RectControl>);
static_assert(!JoinsWindow<fw::Control> && !RenamesItself<fw::Control>);
static_assert(!SeesOwner<fw::Control> && !SeesOwner<fw::TextField>);
static_assert(!LinksItself<fw::RectControl> && !LinksItself<fw::Label>);
static_assert(!RaisesOpen<fw::Control> && !RaisesOpen<fw::RectControl>);
static_assert(!RaisesOpen<fw::Label> && !RaisesOpen<fw::TextField> && !RaisesOpen<fw::Canvas>);
static_assert(!RaisesOpen<fw::PushButton> && !RaisesOpen<fw::PopupMenu>);
static_assert(!RaisesOpen<fw::Rectangle> && !RaisesOpen<fw::Listbox>);

// A Badge is made only by the class it names: nothing else can call a hook that takes one.
static_assert(!std::is_default_constructible_v<fw::Badge<fw::Label>>);
static_assert(!std::is_default_constructible_v<fw::Badge<fw::RectControl>>);
static_assert(!std::is_default_constructible_v<fw::Badge<fw::Application>>);
static_assert(!std::is_default_constructible_v<fw::Badge<fw::MenuItem>>);
static_assert(!std::is_default_constructible_v<fw::Badge<fw::Graphics>>);
// Nor can a badge be handed on by whoever received one.
static_assert(!std::is_copy_constructible_v<fw::Badge<fw::Label>> &&
              !std::is_move_constructible_v<fw::Badge<fw::Label>>);
static_assert(!std::is_copy_assignable_v<fw::Badge<fw::Label>> &&
              !std::is_move_assignable_v<fw::Badge<fw::Label>>);

template <class W>
concept HandlesWindowInternals = requires(W& w) {
  w.HandleCloseRequest();
  w.InstallMenuBar();
  w.PlaceControls(std::int64_t(), std::int64_t());
  w.implicit_;
};
template <class W>
concept ReachesQtWindow = requires(const W& w) {
  w.widget_;
};
static_assert(!HandlesWindowInternals<fw::Window> && !ReachesQtWindow<fw::Window>);

template <class L>
concept RaisesMouseDown = requires(L& c) {
  c.RaiseMouseDown(std::int64_t(), std::int64_t());
};
template <class C>
concept RaisesPaint = requires(C& c, const std::vector<fw::Rect>& areas) {
  c.RaisePaint(fw::Ref<fw::Graphics>(), areas);
};
static_assert(!RaisesMouseDown<fw::Label> && !RaisesMouseDown<fw::Canvas> &&
              !RaisesPaint<fw::Canvas>);

template <class B>
concept RaisesAction = requires(B& b) {
  b.RaiseAction();
};
static_assert(!RaisesAction<fw::PushButton>);

template <class P>
concept ChoosesInWidget = requires(P& p) {
  p.ChosenInWidget(std::int64_t());
  p.RaiseChange();
};
static_assert(!ChoosesInWidget<fw::PopupMenu>);

template <class F>
concept TypesInWidget = requires(F& f) {
  f.TextChangedInWidget("text");
  f.RaiseTextChange();
};
template <class F>
concept FoundByHandle = requires {
  F::FromHandle(std::int64_t());
};
template <class F>
concept SetsBezel = requires(F& f) {
  f.SetBezelStyle(std::int64_t());
};
static_assert(!TypesInWidget<fw::TextField> && !FoundByHandle<fw::TextField>);
static_assert(!SetsBezel<fw::TextField>);

template <class L>
concept EditsForTheUser = requires(L& list) {
  list.StoreEditedText(std::int64_t(), std::int64_t(), "text");
  list.HeadingClicked(std::int64_t());
};
template <class L>
concept RaisesCellEvents = requires(L& list) {
  list.RaiseCellClick(std::int64_t(), std::int64_t(), std::int64_t(), std::int64_t());
  list.RaiseCellTextChange(std::int64_t(), std::int64_t());
  list.RaiseCellKeyDown(std::int64_t(), std::int64_t(), "key");
  list.RaiseSortColumn(std::int64_t());
};
template <class L>
concept ReachesParts = requires(const L& list) {
  list.parts_;
};
static_assert(!EditsForTheUser<fw::Listbox> && !RaisesCellEvents<fw::Listbox>);
static_assert(!ReachesParts<fw::Listbox>);

template <class E>
concept EndsEdit = requires(E& e) {
  e.EndEdit();
};
template <class E>
concept ReachesEditor = requires(const E& e) {
  e.link_;
};
static_assert(!EndsEdit<fw::TextEdit> && !ReachesEditor<fw::TextEdit>);

template <class G>
concept EndsPaint = requires(G& g) {
  g.EndPaint();
};
static_assert(!EndsPaint<fw::Graphics>);

template <class P>
concept ReachesImage = requires(const P& p) {
  p.image_;
};
static_assert(!ReachesImage<fw::Picture>);

}  // namespace
