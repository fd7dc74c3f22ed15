; The date and time: "WED 31/12         23:59:59". ENTER sets them:
; "SET 23:59:59 31/12 3 WED", typed digit by digit (the one to type is
; inverted; the weekday is 0 for Sunday to 6 for Saturday).
;   0-9  type a digit      LEFT RIGHT  move      ENTER  set the clock
;   CL or BREAK  leave the time as it was

; SET_DIGITS := hours, minutes, seconds, day, month and weekday of CLOCK.
set_from_clock:
            LDI XH,HIGH(SET_DIGITS)
            LDI XL,LOW(SET_DIGITS)
            LDA (CLOCK+2)
            SJP split_bcd
            LDA (CLOCK+1)
            SJP split_bcd
            LDA (CLOCK)
            SJP split_bcd
            LDA (CLOCK+3)
            SJP split_bcd
            SJP clock_month
            SJP split_bcd
            LDA (CLOCK+4)
            ANI A,&0F
            SIN X
            LDI A,0
            STA (SET_POS)
            RTN

; Stores the two digits of BCD byte A at X, X + 1; X moves past them.
split_bcd:  PSH A
            AEX
            ANI A,&0F
            SIN X
            POP A
            ANI A,&0F
            SIN X
            RTN

draw_set:   LDI XH,HIGH(text_set)
            LDI XL,LOW(text_set)
            LDI YH,HIGH(SET_DIGITS)
            LDI YL,LOW(SET_DIGITS)
            LDI A,0
            STA (BITS)          ; digits drawn
set_draw:   LIN X
            BZS set_draw_day
            CPI A,'#'
            BZR set_draw_char
            LDA (BITS)
            CPA (SET_POS)
            BZR set_draw_digit
            LDI A,&7F
            STA (INVERSE)
set_draw_digit:
            ADI (BITS),1
            LIN Y
            ORI A,'0'
set_draw_char:
            SJP put_char
            LDI A,0
            STA (INVERSE)
            BCH set_draw
set_draw_day:
            LDA (SET_DIGITS+10)
            SJP print_weekday
            JMP lcd_clear_eol

set_key:    LDA (KEY)
            CPI A,'0'
            BCR set_not_digit
            CPI A,'9'+1
            BCS set_not_digit
            ANI A,&0F
            STA (TEMP)
            LDI XH,HIGH(SET_DIGITS)
            LDI XL,LOW(SET_DIGITS)
            LDA (SET_POS)
            ADR X
            LDA (TEMP)
            STA (X)
set_right:  LDA (SET_POS)
            CPI A,10
            BCS set_redraw
            INC A
            STA (SET_POS)
set_redraw: JMP mon_show
set_not_digit:
            CPI A,K_RIGHT
            BZS set_right
            CPI A,K_LEFT
            BZR set_enter
            LDA (SET_POS)
            BZS set_redraw
            DEC A
            STA (SET_POS)
            BCH set_redraw
set_enter:  CPI A,K_ENTER
            BZR set_cancel
            SJP set_check
            BCR set_redraw      ; SET_POS is on the wrong value
            SJP set_to_clock
            SJP clock_set
            BCH set_leave
set_cancel: CPI A,K_CL
            BZS set_leave
            CPI A,K_BREAK
            BZS set_leave
            JMP mon_loop
set_leave:  LDI A,SCR_TIME
            JMP mon_screen

; C set when SET_DIGITS hold a valid time, else C clear and SET_POS on the
; first digit of the first wrong value.
set_check:  LDI XH,HIGH(set_limits)
            LDI XL,LOW(set_limits)
check_next: LIN X
            CPI A,&FF
            BZS check_weekday
            STA (SET_POS)
            SJP digit_pair
            STA (BITS)
            LIN X               ; lowest value
            STA (TEMP+1)
            LDA (BITS)
            CPA (TEMP+1)
            BCR check_bad
            LIN X               ; highest value
            CPA (BITS)
            BCR check_bad
            BCH check_next
check_weekday:
            LDI A,10
            STA (SET_POS)
            LDA (SET_DIGITS+10)
            CPI A,7
            BCS check_bad
            SEC
            RTN
check_bad:  REC
            RTN

; A := the two-digit value at SET_DIGITS + SET_POS.
digit_pair: LDI YH,HIGH(SET_DIGITS)
            LDI YL,LOW(SET_DIGITS)
            LDA (SET_POS)
            ADR Y
            LIN Y
            STA (TEMP)
            SHL
            SHL
            ADC (TEMP)          ; 5 times the tens (C is clear)
            SHL
            STA (TEMP)
            LIN Y
            REC
            ADC (TEMP)
            RTN

; CLOCK := SET_DIGITS, the month in binary as the chip counts it.
set_to_clock:
            LDI XH,HIGH(SET_DIGITS)
            LDI XL,LOW(SET_DIGITS)
            SJP pack_bcd
            STA (CLOCK+2)
            SJP pack_bcd
            STA (CLOCK+1)
            SJP pack_bcd
            STA (CLOCK)
            SJP pack_bcd
            STA (CLOCK+3)
            LDI A,8
            STA (SET_POS)
            SJP digit_pair
            AEX
            ORA (SET_DIGITS+10)
            STA (CLOCK+4)
            RTN

; A := the digits at X and X + 1 as a BCD byte; X moves past them.
pack_bcd:   LIN X
            AEX
            STA (TEMP)
            LIN X
            ORA (TEMP)
            RTN

; The values checked: first digit, lowest, highest; FF ends.
set_limits: DB 0, 0, 23, 2, 0, 59, 4, 0, 59, 6, 1, 31, 8, 1, 12, &FF
text_set:   DB "SET ##:##:## ##/## # ", 0
