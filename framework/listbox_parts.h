// What a Listbox holds of Qt, for the Listbox's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/listbox_parts.h is the framework's own header, not for program code"
#endif

#include <QPointer>

#include "framework/listbox.h"
#include "framework/listbox_delegate.h"
#include "framework/listbox_model.h"
#include "framework/listbox_view.h"

namespace fw {

// The model lives as long as the Listbox until its view exists, then as the view's child; the
// window may keep the view and its delegate a little longer than the Listbox.
struct Listbox::Parts {
  QPointer<internal::CellModel> model;
  QPointer<internal::ListView> view;
  QPointer<internal::CellDelegate> delegate;
};

}  // namespace fw
