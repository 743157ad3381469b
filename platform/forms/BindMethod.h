#pragma once
// An event handler that calls a method of a window, for any event's arguments:
//   Button1->OnClick = bindMethod(this, &TForm1::Button1Click);
template <class T, class R, class... Args> auto bindMethod(T* object, R (T::*method)(Args...)) {
    return [object, method](Args... args) { return (object->*method)(args...); };
}
