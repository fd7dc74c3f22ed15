; The display as one line of 26 characters, six dot columns each: five of
; the glyph and one blank. Characters 0-12 lie in the low nibbles of display
; memory (columns 0-77), 13-25 in the high nibbles (columns 78-155); column c
; of a half is the byte pair 7600 + 2c for c < 39, else 7700 + 2(c - 39).
; TEXT keeps the characters shown. Every routine keeps X, Y and U.

; Blanks the 26 characters and puts the cursor at column 0. Annunciators
; are left alone. Keeps A.
lcd_clear:  PSH A
            LDI A,0
            STA (CURSOR)
clear_eol_loop:
            LDI A,' '
            SJP put_char
            LDA (CURSOR)
            CPI A,26
            BCR clear_eol_loop
            LDI A,0
            STA (CURSOR)
            POP A
            RTN

; Blanks from the cursor to the end of the line; the cursor stays.
lcd_clear_eol:
            LDA (CURSOR)
            PSH A
clear_eol_more:
            LDA (CURSOR)
            CPI A,26
            BCS clear_eol_done
            LDI A,' '
            SJP put_char
            BCH clear_eol_more
clear_eol_done:
            POP A
            STA (CURSOR)
            RTN

; A = column 0-25 of the next character.
lcd_locate: STA (CURSOR)
            RTN

; Prints the zero-terminated text at X; X ends past the zero.
print_text: LIN X
            BZS print_text_end
            SJP put_char
            BCH print_text
print_text_end:
            RTN

; Prints A as two hexadecimal digits.
print_hex:  PSH A
            AEX
            SJP print_digit
            POP A
            PSH A
            SJP print_digit
            POP A
            RTN
print_digit:
            ANI A,&0F
            CPI A,10
            BCR digit_09
            ADI A,'A'-10-1      ; the carry is set here
            BCH put_char
digit_09:   ADI A,'0'           ; the carry is clear here
                                ; falls through to put_char

; Draws character A (20-7E; others as '?') at the cursor and moves the
; cursor on; past column 25 nothing is drawn. Keeps A.
put_char:   PSH A
            PSH X
            PSH Y
            STA (CHAR)
            LDA (USER_RUN)
            STA (OUTPUT_SEEN)   ; a program's output stays until a key
            LDA (CHAR)
            LDA (CURSOR)
            CPI A,26
            BCS put_char_done
            LDI XH,HIGH(TEXT)
            LDI XL,LOW(TEXT)
            ADR X
            LDA (CHAR)
            CPI A,&7F
            BCS put_unknown
            CPI A,&20
            BCS put_known
put_unknown:
            LDI A,'?'
            STA (CHAR)
put_known:  STA (X)
            ; Y := the glyph: FONT + 5 * (character - 20)
            SEC
            SBI A,&20
            LDI YH,HIGH(FONT)
            LDI YL,LOW(FONT)
            ADR Y
            ADR Y
            ADR Y
            ADR Y
            ADR Y
            ; half and first column: 6 * (cursor mod 13)
            LDI A,0
            STA (HALF)
            LDA (CURSOR)
            CPI A,13
            BCR put_low_half
            SBI A,13
            STA (TEMP)
            LDI A,1
            STA (HALF)
            LDA (TEMP)
put_low_half:
            STA (TEMP)
            SHL
            ADC (TEMP)          ; 3 * q (C is clear after SHL of q < 13)
            SHL                 ; 6 * q
            ; X := the even byte of that column
            CPI A,39
            BCS put_block2
            LDI XH,HIGH(LCD_BLOCK1)
            BCH put_address
put_block2: SBI A,39            ; C is set: no borrow
            LDI XH,HIGH(LCD_BLOCK2)
put_address:
            SHL
            STA XL
            ; five glyph columns and the blank one
            LDI A,5
            STA (TEMP+1)
put_columns:
            LIN Y
            SJP put_column
            LDA (TEMP+1)
            DEC A
            STA (TEMP+1)
            BZR put_columns
            LDI A,0
            SJP put_column
            ADI (CURSOR),1
put_char_done:
            POP Y
            POP X
            POP A
            RTN

; Draws glyph column A (bit 0 = top row), inverted when INVERSE is 7F, at
; the byte pair X in the current half; X moves to the next column. Each byte
; is written once, so the display never shows the column half drawn.
put_column: EOR (INVERSE)
            STA (GLYPH)
            LDA (HALF)
            BZR column_high
            LDA (GLYPH)         ; rows 1-4 into the low nibble
            ANI A,&0F
            STA (NIBBLE)
            LDA (X)
            ANI A,&F0
            ORA (NIBBLE)
            SIN X
            LDA (GLYPH)         ; rows 5-7
            AEX
            ANI A,&07
            STA (NIBBLE)
            LDA (X)
            ANI A,&F0
            ORA (NIBBLE)
            SIN X
            BCH column_next
column_high:
            LDA (GLYPH)         ; rows 1-4 into the high nibble
            AEX
            ANI A,&F0
            STA (NIBBLE)
            LDA (X)
            ANI A,&0F
            ORA (NIBBLE)
            SIN X
            LDA (GLYPH)         ; rows 5-7
            ANI A,&70
            STA (NIBBLE)
            LDA (X)
            ANI A,&0F
            ORA (NIBBLE)
            SIN X
column_next:
            CPI XL,&4E          ; past column 38: on to block 2
            BZR column_done
            CPI XH,HIGH(LCD_BLOCK1)
            BZR column_done
            LDI XH,HIGH(LCD_BLOCK2)
            LDI XL,0
column_done:
            RTN

; Annunciators: A = the bits of LCD_FLAGS1 to light or to put out.
ann1_on:    ORA (LCD_FLAGS1)
            STA (LCD_FLAGS1)
            RTN
ann1_off:   EAI &FF
            AND (LCD_FLAGS1)
            STA (LCD_FLAGS1)
            RTN
